#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

// Explains why the chosen game cannot open on this display. Made once at start-up;
// the launcher puts the message in before each showing.
class TSysRequirementsForm : public QDialog {
    Q_OBJECT
public:
    explicit TSysRequirementsForm(QWidget* parent = nullptr);
    ~TSysRequirementsForm() override;

    static constexpr int kHelpTopic = 500;

    // Shows the message modally; without the Preferences button for this showing
    // when changing the preferences would not help.
    void ShowMessage(const QString& message, bool offerPreferences);

    void PrefButtonClick();
    void HelpBtnClick();

    QLabel* MessageLabel() const { return messageLabel_; }
    QPushButton* PrefButton() const { return prefButton_; }
    QPushButton* OKButton() const { return okButton_; }
    QPushButton* HelpBtn() const { return helpBtn_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildPanel();
    void BuildButtons();

    // All owned by the dialog as its children.
    QFrame* panel1_ = nullptr;
    QLabel* messageLabel_ = nullptr;
    QPushButton* prefButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* helpBtn_ = nullptr;
};

// The requirements dialog of the run; null before the entry makes it and after it is gone.
TSysRequirementsForm* SysRequirementsForm();
