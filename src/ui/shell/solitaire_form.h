#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "cards/card_size.h"

class QFrame;
class QLabel;
class QListWidget;
class QToolButton;
class TInfoBox;
class TLauncherTray;
class TSoundManager;
struct GameEntry;

// The launcher, the program's main window: the list of games, a preview of the chosen
// game, the jester that opens the about box, a help button and the tray icon. Choosing
// a game checks the display, closes the open game and opens the chosen one with large
// or small cards, as the preferences say.
class TSolitaireForm : public QWidget {
    Q_OBJECT
public:
    explicit TSolitaireForm(QWidget* parent = nullptr);
    ~TSolitaireForm() override;

    static constexpr int kClientWidth = 329;
    static constexpr int kClientHeight = 241;

    bool ScreenUnder800 = false;
    bool ScreenUnder1024 = false;
    // The answer of the latest request to close the game windows.
    bool CloseAllowed = true;
    // The list entry after the latest choice; shown again when a game refuses to close.
    int LastListIndex = -1;

    void GameSelectListBoxClick();
    void Image1Click();
    void HelpButtonClick();
    void TrayIconDblClick();
    // Asks every open game window to close, large before small in list order.
    void CloseGameWindows();
    void ShowDisplayRequirement(int reason);

    // The tray icon is active exactly in tray mode; minimising then leaves only the icon.
    void SetTrayMode(bool on);
    bool TrayMode() const { return trayMode_; }
    // Runs the task once the launcher has painted itself, or at once if it already has.
    void AfterFirstPaint(std::function<void()> task);

    QListWidget* GameSelectListBox() const { return gameSelectListBox_; }
    QLabel* Image1() const { return image1_; }
    QToolButton* HelpButton() const { return helpButton_; }
    QFrame* ImagePanel() const { return imagePanel_; }
    QLabel* GameImage() const { return gameImage_; }
    QWidget* StartPanel() const { return startPanel_; }
    // The about box while it is open; null otherwise.
    TInfoBox* InfoBox() const;

signals:
    // The launcher has closed: the program ends.
    void Closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildList();
    void BuildPictures();
    void OpenSelectedGame(const GameEntry& game, _CardSize size);
    void ShowPreview(const GameEntry& game);
    void SavePlacement(bool destroying);

    std::unique_ptr<TSoundManager> soundManager_;
    std::unique_ptr<TLauncherTray> tray_;
    // All owned by the launcher as its children.
    QListWidget* gameSelectListBox_ = nullptr;
    QLabel* image1_ = nullptr;
    QToolButton* helpButton_ = nullptr;
    QFrame* imagePanel_ = nullptr;
    QLabel* gameImage_ = nullptr;
    QWidget* startPanel_ = nullptr;
    QPointer<TInfoBox> infoBox_;
    // Previews rendered on first use, by resource name.
    std::map<std::string, QPixmap> previews_;
    std::vector<std::function<void()>> afterFirstPaint_;
    bool painted_ = false;
    bool forwardingKey_ = false;
    bool trayMode_ = false;
    bool placementRestored_ = false;
    bool placementSaved_ = false;
};

// The launcher of the run; null before it is made and after it is gone.
TSolitaireForm* SolitaireForm();
