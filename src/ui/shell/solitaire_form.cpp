#include "shell/solitaire_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>

#include "cards/card_imagery.h"
#include "games/registry.h"
#include "games/shell_services.h"
#include "games/window_placement.h"
#include "shell/help_glyph.h"
#include "shell/help_viewer.h"
#include "shell/info_box.h"
#include "shell/launcher_tray.h"
#include "shell/shell_artwork.h"
#include "shell/shell_wiring.h"
#include "shell/sound_manager.h"

namespace {

const char* const kCaption = "Tablewise!";
const char* const kPlacementSection = "MainWindow";
const QRect kListPlace(4, 5, 157, 97);
const QRect kJesterPlace(214, 5, 72, 104);
const QRect kHelpButtonPlace(300, 80, 25, 25);
const QRect kImagePanelPlace(3, 109, 324, 129);
const QRect kGameImagePlace(2, 2, 320, 125);
const QRect kStartPanelPlace(72, 72, 185, 41);
constexpr int kListFontPixels = 12;
constexpr int kListItemHeight = 15;

QPointer<TSolitaireForm>& TheLauncher() {
    static QPointer<TSolitaireForm> launcher;
    return launcher;
}

QPixmap ShellPixmap(const char* name) {
    return QPixmap::fromImage(RenderShellPicture(QLatin1String(name), CardImagery::DevicePixelRatio()));
}

}  // namespace

TSolitaireForm::TSolitaireForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    TheLauncher() = this;
    setObjectName(QStringLiteral("SolitaireForm"));
    setWindowTitle(QLatin1String(kCaption));
    setFixedSize(kClientWidth, kClientHeight);
    BuildList();
    BuildPictures();
    soundManager_ = std::make_unique<TSoundManager>(SoundPreferenceOn);
    SetSoundManager(soundManager_.get());

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, &TSolitaireForm::HelpButtonClick);
    gameSelectListBox_->setFocus();
}

TSolitaireForm::~TSolitaireForm() {
    if (!placementSaved_) SavePlacement(true);
    CardImagery::FreeCardBitmaps();
    if (SoundManager() == soundManager_.get()) SetSoundManager(nullptr);
}

void TSolitaireForm::BuildList() {
    gameSelectListBox_ = new QListWidget(this);
    gameSelectListBox_->setObjectName(QStringLiteral("GameSelectListBox"));
    gameSelectListBox_->setGeometry(kListPlace);
    gameSelectListBox_->setToolTip(QStringLiteral("Select Solitaire Game"));
    gameSelectListBox_->setSelectionMode(QAbstractItemView::SingleSelection);
    gameSelectListBox_->setUniformItemSizes(true);
    gameSelectListBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The colours of a hint window, like the tips the list shows.
    QPalette colours = gameSelectListBox_->palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::Text, colours.color(QPalette::ToolTipText));
    gameSelectListBox_->setPalette(colours);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kListFontPixels);
    font.setBold(true);
    gameSelectListBox_->setFont(font);
    for (const GameEntry& game : GameRegistry()) {
        auto* item = new QListWidgetItem(QString::fromStdString(game.listText), gameSelectListBox_);
        item->setSizeHint(QSize(0, kListItemHeight));
    }
    // A click chooses a game, and so does moving through the list with the keys.
    connect(gameSelectListBox_, &QListWidget::clicked, this, [this] { GameSelectListBoxClick(); });
    gameSelectListBox_->installEventFilter(this);
}

void TSolitaireForm::BuildPictures() {
    const QPixmap jester = ShellPixmap("JESTER1");
    image1_ = new QLabel(this);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(kJesterPlace);
    image1_->setAlignment(Qt::AlignCenter);
    image1_->setPixmap(jester);
    image1_->setToolTip(QStringLiteral("Click for Info..."));
    image1_->setCursor(Qt::PointingHandCursor);
    image1_->installEventFilter(this);

    // The window takes the colour of the jester's background, so he stands on it.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, jester.toImage().pixelColor(0, 0));
    setPalette(colours);
    setAutoFillBackground(true);

    helpButton_ = new QToolButton(this);
    helpButton_->setObjectName(QStringLiteral("HelpButton"));
    helpButton_->setGeometry(kHelpButtonPlace);
    helpButton_->setAutoRaise(true);
    helpButton_->setIcon(HelpGlyph());
    helpButton_->setIconSize(kHelpButtonPlace.size() - QSize(6, 6));
    helpButton_->setToolTip(QStringLiteral("Help..."));
    helpButton_->setFocusPolicy(Qt::NoFocus);
    connect(helpButton_, &QToolButton::clicked, this, &TSolitaireForm::HelpButtonClick);

    imagePanel_ = new QFrame(this);
    imagePanel_->setObjectName(QStringLiteral("ImagePanel"));
    imagePanel_->setGeometry(kImagePanelPlace);
    imagePanel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    gameImage_ = new QLabel(imagePanel_);
    gameImage_->setObjectName(QStringLiteral("GameImage"));
    gameImage_->setGeometry(kGameImagePlace);
    gameImage_->setPixmap(ShellPixmap("STARTUP"));
    // The start picture keeps this corner of the felt plain; the panel over it shows
    // nothing of its own, so the felt shows through until a game is chosen.
    startPanel_ = new QWidget(imagePanel_);
    startPanel_->setObjectName(QStringLiteral("StartPanel"));
    startPanel_->setGeometry(kStartPanelPlace);
}

// --- pictures, help and tray ---

void TSolitaireForm::Image1Click() {
    if (!infoBox_) infoBox_ = new TInfoBox(this);
    infoBox_->show();
    infoBox_->raise();
    infoBox_->activateWindow();
}

TInfoBox* TSolitaireForm::InfoBox() const { return infoBox_.data(); }

void TSolitaireForm::HelpButtonClick() { HelpViewer::ShowContents(); }

void TSolitaireForm::SetTrayMode(bool on) {
    trayMode_ = on;
    if (on && !tray_) {
        tray_ = std::make_unique<TLauncherTray>(ShellPixmap("APPICON"), [this] { TrayIconDblClick(); },
                                                [this] { close(); });
    }
    if (tray_) tray_->SetActive(on);
}

void TSolitaireForm::TrayIconDblClick() {
    showNormal();
    raise();
    activateWindow();
}

void TSolitaireForm::AfterFirstPaint(std::function<void()> task) {
    if (painted_) {
        QTimer::singleShot(0, this, std::move(task));
    } else {
        afterFirstPaint_.push_back(std::move(task));
    }
}

// --- events ---

bool TSolitaireForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == image1_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Image1Click();
        return true;
    }
    if (watched == gameSelectListBox_ && event->type() == QEvent::KeyPress && !forwardingKey_) {
        // Moving through the list with the keys chooses as a click does.
        const int before = gameSelectListBox_->currentRow();
        forwardingKey_ = true;
        QCoreApplication::sendEvent(gameSelectListBox_, event);
        forwardingKey_ = false;
        if (gameSelectListBox_->currentRow() != before) GameSelectListBoxClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TSolitaireForm::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (painted_) return;
    painted_ = true;
    for (auto& task : afterFirstPaint_) QTimer::singleShot(0, this, std::move(task));
    afterFirstPaint_.clear();
}

void TSolitaireForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placementRestored_) return;
    placementRestored_ = true;
    placement::Restore(*this, Shell().settingsFile, kPlacementSection, true);
}

void TSolitaireForm::closeEvent(QCloseEvent* event) {
    CloseGameWindows();
    if (!CloseAllowed) {
        event->ignore();
        return;
    }
    SavePlacement(false);
    event->accept();
    emit Closed();
}

void TSolitaireForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // In tray mode a minimised launcher leaves the taskbar; the tray icon brings it back.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && trayMode_ && tray_ && tray_->Available())
        QTimer::singleShot(0, this, &QWidget::hide);
}

void TSolitaireForm::SavePlacement(bool destroying) {
    placement::Save(*this, Shell().settingsFile, kPlacementSection, destroying);
    placementSaved_ = true;
}

TSolitaireForm* SolitaireForm() { return TheLauncher().data(); }
