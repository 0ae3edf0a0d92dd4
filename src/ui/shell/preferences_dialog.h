#pragma once

#include <QDialog>
#include <QPixmap>
#include <array>

#include "services/preferences.h"
#include "services/profile.h"

class ColourSwatch;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabWidget;
class RadioGroup;

// The player's preferences for the whole program. Made once at start-up: making it
// reads every preference from the settings file and applies it (card back and size,
// tray mode, custom colours, the custom back and the table picture, the opening
// sound), so the rest of the program reads the current preferences from its fields.
// There is no cancel: however the dialog closes, what it shows is kept and saved.
class TPreferencesDlg : public QDialog, public PreferenceValues {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 502;
    static constexpr int kClientWidth = 389;
    static constexpr int kClientHeight = 272;

    explicit TPreferencesDlg(QWidget* parent = nullptr);
    ~TPreferencesDlg() override;

    // Set once the dialog closes with another card size than it opened with; stays set.
    bool CardSizeChanged = false;

    // Rebuilds the custom back for the card size just set, before a game window opens:
    // once the card size has changed, from the stored picture file; otherwise nothing.
    void RefreshCustomBack();
    // Shows the dialog until the player closes it, above the window that asked.
    void ShowModal(QWidget* parent);
    // The picture the tiled table uses, or null when none is loaded.
    const QPixmap* GetBackgroundPicture() const;

    // Reads a picture file as the custom back (back 3): previews it, installs it in the
    // card imagery at the current card size and stores its path; chooses it when
    // `select`. A missing file warns (silently drops a GIF at start-up); a picture that
    // cannot be used is dropped without a word. Either way the stored path becomes
    // "None" and a chosen custom back gives way to back 0.
    void LoadCustomBack(const QString& path, bool select, bool atStartUp);
    // Reads a picture file for the tiled table and stores its path. A missing file
    // warns and falls back to the solid colour; an unusable picture is dropped.
    void LoadBackgroundImage(const QString& path);

    // What the controls do.
    void ColorButtonClick(ColourSwatch& swatch);
    void BrowseButtonClick(const QPushButton& button);
    void ISGRadioList1Click();
    void ISGRadioList2Click();
    void HelpBtnClick();

    QTabWidget* PageControl1() const { return pageControl1_; }
    // Image1 to Image3 the built-in backs, Image4 the custom back, Image5 the table picture.
    QLabel* Image(int number) const { return images_.at(static_cast<std::size_t>(number - 1)); }
    QRadioButton* RadioButton(int number) const {
        return backButtons_.at(static_cast<std::size_t>(number - 1));
    }
    QLabel* CustomBackNote() const { return customBackNote_; }
    QPushButton* BrowseButton() const { return browseButton_; }
    RadioGroup* RadioGroup1() const { return radioGroup1_; }
    RadioGroup* RadioGroup2() const { return radioGroup2_; }
    RadioGroup* RadioGroup3() const { return radioGroup3_; }
    QStackedWidget* PageControl2() const { return pageControl2_; }
    // Panel1 the solid colour, Panel2 the gradient start, Panel3 its end.
    ColourSwatch* Panel(int number) const {
        return swatches_.at(static_cast<std::size_t>(number - 1));
    }
    QLabel* Label6() const { return label6_; }
    QPushButton* Button1() const { return button1_; }
    QCheckBox* CheckBox1() const { return checkBox1_; }
    QCheckBox* CheckBox2() const { return checkBox2_; }
    QCheckBox* CheckBox5() const { return checkBox5_; }
    QPushButton* OKBtn() const { return okBtn_; }
    QPushButton* HelpBtn() const { return helpBtn_; }

  protected:
    // Every way of closing ends here: OK, the close box and Escape.
    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void BuildPages();
    void BuildCardBackPage();
    // The built-in backs are drawn when the dialog is first shown, not at start-up.
    void ShowBuiltInBacks();
    void BuildCardSizePage();
    void BuildBackgroundPage();
    void BuildOtherPage();
    void BuildButtons();

    void FormCreate();
    void FormClose();
    void ApplyTrayMode() const;
    void PlayOpeningSound() const;

    int CheckedBack() const;
    void CheckBack(int index);
    void ChooseBack(int index);
    void ShowBackgroundType(int index);

    bool BuildCustomBack(const QString& path, bool select);
    void DropCustomBack();
    void ClearBackgroundPicture();
    void StorePicturePath(const char* key, const QString& path);
    void StoreCustomColours();
    void ReadCustomColours();
    QWidget* MessageParent();

    TProfile profile_;
    QPixmap backgroundPicture_;
    // All owned by the dialog as its children.
    QTabWidget* pageControl1_ = nullptr;
    std::array<QLabel*, 5> images_{};
    std::array<QRadioButton*, 4> backButtons_{};
    QLabel* customBackNote_ = nullptr;
    QPushButton* browseButton_ = nullptr;
    RadioGroup* radioGroup1_ = nullptr;
    RadioGroup* radioGroup2_ = nullptr;
    RadioGroup* radioGroup3_ = nullptr;
    QStackedWidget* pageControl2_ = nullptr;
    std::array<ColourSwatch*, 3> swatches_{};
    QLabel* label6_ = nullptr;
    QPushButton* button1_ = nullptr;
    QCheckBox* checkBox1_ = nullptr;
    QCheckBox* checkBox2_ = nullptr;
    QCheckBox* checkBox5_ = nullptr;
    QPushButton* okBtn_ = nullptr;
    QPushButton* helpBtn_ = nullptr;
};

// The preferences of the run; null before the entry makes them and after they are gone.
TPreferencesDlg* PreferencesDlg();
