#include "shell/sys_requirements_form.h"

#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include "cards/card_imagery.h"
#include "games/shell_services.h"
#include "shell/preferences_dialog.h"
#include "shell/shell_artwork.h"

namespace {

const QSize kClientSize(313, 297);
const QRect kPanelPlace(8, 8, 297, 249);
const QRect kJesterPlace(12, 10, 72, 104);
const QRect kTitlePlace(88, 18, 204, 84);
const QRect kMessagePlace(8, 132, 281, 97);
constexpr int kTitlePixels = 32;
constexpr int kTextPixels = 12;
constexpr int kButtonTop = 265;
constexpr int kButtonWidth = 91;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 8;
const QColor kTitleColour(0x22, 0x46, 0x8E);

QPointer<TSysRequirementsForm>& TheDialog() {
    static QPointer<TSysRequirementsForm> dialog;
    return dialog;
}

QFont ArialFont(int pixels, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace

TSysRequirementsForm::TSysRequirementsForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    TheDialog() = this;
    setObjectName(QStringLiteral("SysRequirementsForm"));
    setWindowTitle(QStringLiteral("Tablewise!"));
    setFixedSize(kClientSize);
    setFont(ArialFont(kTextPixels, false));
    BuildPanel();
    BuildButtons();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TSysRequirementsForm::~TSysRequirementsForm() = default;

void TSysRequirementsForm::BuildPanel() {
    const QPixmap jester =
        QPixmap::fromImage(RenderShellPicture(QStringLiteral("JESTER1"), CardImagery::DevicePixelRatio()));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, jester.toImage().pixelColor(0, 0));
    setPalette(colours);
    setAutoFillBackground(true);

    panel1_ = new QFrame(this);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setGeometry(kPanelPlace);
    panel1_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* image1 = new QLabel(panel1_);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setGeometry(kJesterPlace);
    image1->setAlignment(Qt::AlignCenter);
    image1->setPixmap(jester);

    auto* title = new QLabel(QStringLiteral("System\r\nRequirements").remove(QLatin1Char('\r')), panel1_);
    title->setObjectName(QStringLiteral("RxLabel1"));
    title->setGeometry(kTitlePlace);
    title->setFont(ArialFont(kTitlePixels, false));
    title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette ink = title->palette();
    ink.setColor(QPalette::WindowText, kTitleColour);
    title->setPalette(ink);
    auto* shadow = new QGraphicsDropShadowEffect(title);
    shadow->setOffset(1.5, 1.5);
    shadow->setBlurRadius(2.0);
    shadow->setColor(QColor(0, 0, 0, 90));
    title->setGraphicsEffect(shadow);

    messageLabel_ = new QLabel(panel1_);
    messageLabel_->setObjectName(QStringLiteral("MessageLabel"));
    messageLabel_->setGeometry(kMessagePlace);
    messageLabel_->setTextFormat(Qt::PlainText);
    messageLabel_->setWordWrap(true);
    messageLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TSysRequirementsForm::BuildButtons() {
    const auto place = [](QPushButton* button, int slot) {
        button->setGeometry(kButtonGap + slot * (kButtonWidth + kButtonGap + 1), kButtonTop, kButtonWidth,
                            kButtonHeight);
    };
    prefButton_ = new QPushButton(QStringLiteral("Preferences..."), this);
    prefButton_->setObjectName(QStringLiteral("PrefButton"));
    place(prefButton_, 0);
    connect(prefButton_, &QPushButton::clicked, this, &TSysRequirementsForm::PrefButtonClick);
    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("OKButton"));
    okButton_->setDefault(true);
    place(okButton_, 1);
    connect(okButton_, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
    helpBtn_ = new QPushButton(QStringLiteral("&Help"), this);
    helpBtn_->setObjectName(QStringLiteral("HelpBtn"));
    place(helpBtn_, 2);
    connect(helpBtn_, &QPushButton::clicked, this, &TSysRequirementsForm::HelpBtnClick);
}

void TSysRequirementsForm::ShowMessage(const QString& message, bool offerPreferences) {
    messageLabel_->setText(message);
    prefButton_->setVisible(offerPreferences);
    okButton_->setFocus();
    exec();
    prefButton_->setVisible(true);
}

void TSysRequirementsForm::PrefButtonClick() {
    if (TPreferencesDlg* preferences = PreferencesDlg()) preferences->ShowModal(this);
    done(QDialog::Rejected);
}

void TSysRequirementsForm::HelpBtnClick() { Shell().showHelp(kHelpTopic); }

void TSysRequirementsForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        HelpBtnClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

TSysRequirementsForm* SysRequirementsForm() { return TheDialog().data(); }
