#include "games/game_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <map>

#include "cards/card_imagery.h"
#include "games/drag_layer.h"
#include "games/game_windows.h"
#include "games/pile_widget.h"
#include "games/shell_services.h"
#include "games/table_colour.h"
#include "games/window_placement.h"

namespace {

const char* const kMessageCaption = "Tablewise!";
// The outer minimum heights of the layouts count the caption and frame.
constexpr int kCaptionAndFrameHeight = 30;

std::optional<MouseButton> ButtonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Middle;
    default:
        return std::nullopt;
    }
}

Modifiers ModifiersOf(const QInputEvent& event) {
    return {event.modifiers().testFlag(Qt::ShiftModifier), event.modifiers().testFlag(Qt::ControlModifier)};
}

}  // namespace

GameWindow::GameWindow(const GameEntry& entry, _CardSize size) : entry_(entry), layout_(*entry.LayoutFor(size)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QString::fromStdString(size == CZ_SMALL ? entry.smallWindowClass : entry.largeWindowClass));
    setWindowTitle(QString::fromStdString(layout_.initialCaption.empty() ? entry.constants.gameName
                                                                         : layout_.initialCaption));
    resize(layout_.clientWidth, layout_.clientHeight);
    if (layout_.fixedWidth) setFixedWidth(layout_.clientWidth);
    if (layout_.minimumHeight > 0) setMinimumHeight(layout_.minimumHeight - kCaptionAndFrameHeight);
    setAutoFillBackground(true);
    QPalette table = palette();
    table.setColor(QPalette::Window, ColorFromTableValue(kDefaultTableValue));
    setPalette(table);
    setFocusPolicy(Qt::StrongFocus);

    CardImagery::EnsureLoaded();
    game_ = entry.make(layout_, *this, Shell().settingsFile);
    for (const auto& view : game_->Views()) piles_.push_back(new PileWidget(*view, *this));
    dragLayer_ = new DragLayer(*this);
    BuildMenu();
    Shell().applyBackground(*this);
    game_->Create();
    SyncMenu();
}

GameWindow::~GameWindow() {
    if (!placementSaved_) placement::Save(*this, Shell().settingsFile, layout_.placementSection, true);
    // The pile widgets outlive the game by a moment; they must not hear from its views.
    for (const auto& view : game_->Views()) view->SetObserver({});
    game_.reset();
}

PileWidget* GameWindow::WidgetFor(const TCardPileView& view) const {
    for (PileWidget* pile : piles_)
        if (&pile->View() == &view) return pile;
    return nullptr;
}

QAction* GameWindow::Action(const std::string& itemName) const {
    for (const auto& [name, action] : actions_)
        if (name == itemName) return action;
    return nullptr;
}

QColor GameWindow::TableColor() const { return palette().color(QPalette::Window); }

void GameWindow::SetTableBitmap(const QPixmap& bitmap) {
    tableBitmap_ = bitmap;
    for (const auto& view : game_->Views()) view->BackgroundMode = bitmap.isNull() ? FS_NORMAL : FS_BITMAP;
    RefreshPiles();
}

void GameWindow::RefreshPiles() {
    for (PileWidget* pile : piles_) pile->Refresh(RedrawKind::Later);
}

// --- menu ---

void GameWindow::BuildMenu() {
    menu_ = new QMenu(this);
    for (const TMenuItem& item : game_->Menu()) {
        if (item.IsSeparator()) {
            menu_->addSeparator();
            continue;
        }
        QAction* action = menu_->addAction(QString::fromStdString(item.Caption));
        action->setObjectName(QString::fromStdString(item.Name));
        if (!item.Shortcut.empty()) {
            action->setShortcut(QKeySequence(QString::fromStdString(item.Shortcut)));
            action->setShortcutContext(Qt::WindowShortcut);
        }
        addAction(action);
        const std::string name = item.Name;
        connect(action, &QAction::triggered, this, [this, name] {
            game_->RunCommand(name);
            SyncMenu();
        });
        actions_.emplace_back(item.Name, action);
    }
}

void GameWindow::SyncMenu() {
    for (const auto& [name, action] : actions_) {
        const TMenuItem* item = game_->MenuItem(name);
        action->setEnabled(item->Enabled);
        action->setCheckable(item->Checkable);
        action->setChecked(item->Checked);
        action->setVisible(item->Visible);
    }
}

void GameWindow::ShowPopup(QPoint globalPosition) {
    SyncMenu();
    menu_->exec(globalPosition);
}

// --- mouse and keys ---

PileWidget* GameWindow::PileAt(QPoint pointInWindow) const {
    for (auto it = piles_.rbegin(); it != piles_.rend(); ++it)
        if ((*it)->isVisible() && (*it)->geometry().contains(pointInWindow)) return *it;
    return nullptr;
}

void GameWindow::PilePressed(PileWidget& pile, QMouseEvent& event, bool doubleClick) {
    const auto button = ButtonOf(event.button());
    if (dragging_ || !button) return;
    const QPoint at = event.position().toPoint();
    game_->MouseDown(pile.View(), *button, ModifiersOf(event), at.x(), at.y());
    if (*button == MouseButton::Right) {
        ShowPopup(event.globalPosition().toPoint());
        return;
    }
    if (doubleClick && *button == MouseButton::Left) game_->DoubleClick(pile.View());
    SyncMenu();
}

void GameWindow::PileMoved(PileWidget& pile, QMouseEvent& event) {
    if (!event.buttons().testFlag(Qt::LeftButton)) return;
    const QPoint inWindow = pile.mapTo(this, event.position().toPoint());
    if (!dragging_) {
        if (!game_->StartDrag(pile.View())) return;
        dragging_ = true;
        dragLayer_->Begin(pile.View(), inWindow);
    }
    dragLayer_->Follow(inWindow);
    PileWidget* under = PileAt(inWindow);
    const bool lands = game_->DragOver(under ? &under->View() : nullptr);
    pile.setCursor(lands ? Qt::ClosedHandCursor : Qt::ForbiddenCursor);
}

void GameWindow::PileReleased(PileWidget& pile, QMouseEvent& event) {
    if (event.button() != Qt::LeftButton) return;
    if (dragging_) {
        dragging_ = false;
        dragLayer_->End();
        pile.unsetCursor();
        game_->Drop();
    } else if (pile.rect().contains(event.position().toPoint())) {
        game_->Click(pile.View());
    }
    SyncMenu();
}

void GameWindow::mousePressEvent(QMouseEvent* event) {
    const auto button = ButtonOf(event->button());
    if (!button) return;
    if (*button == MouseButton::Right) {
        ShowPopup(event->globalPosition().toPoint());
        return;
    }
    game_->TableMouseDown(*button);
    SyncMenu();
}

void GameWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        game_->KeyPress(' ');
        SyncMenu();
        return;
    }
    QWidget::keyPressEvent(event);
}

// The palette fills a plain table; a painted one lies over it.
void GameWindow::paintEvent(QPaintEvent*) {
    if (const QPixmap* table = TableBitmap()) QPainter(this).drawPixmap(QPoint(0, 0), *table);
}

void GameWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (game_) game_->Resize(height());
    Shell().applyBackground(*this);
}

void GameWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placementRestored_) return;
    placementRestored_ = true;
    placement::Restore(*this, Shell().settingsFile, layout_.placementSection, layout_.fixedWidth && false);
}

void GameWindow::closeEvent(QCloseEvent* event) {
    if (!game_->CloseQuery()) {
        event->ignore();
        return;
    }
    placement::Save(*this, Shell().settingsFile, layout_.placementSection, false);
    placementSaved_ = true;
    game_->Close();
    event->accept();
}

// --- GameHost ---

bool GameWindow::Confirm(const std::string& text) {
    QMessageBox box(QMessageBox::Question, kMessageCaption, QString::fromStdString(text),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    return box.exec() == QMessageBox::Ok;
}

int GameWindow::ShowWinWindow() { return Shell().showWinWindow(this); }

void GameWindow::ShowStatistics() { Shell().showStatistics(this); }

void GameWindow::ShowPreferences() {
    Shell().showPreferences(this);
    Shell().applyBackground(*this);
    update();
}

void GameWindow::ShowHelp(int topic) { Shell().showHelp(topic); }

void GameWindow::SetCaption(const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); }

void GameWindow::Play(Sound sound) { Shell().play(sound); }

bool GameWindow::DealAnimationOn() const { return Shell().dealAnimation(); }

void GameWindow::SetCloseAllowed(bool allowed) { Shell().setCloseAllowed(allowed); }

// --- open windows ---

QPointer<GameWindow>& WindowReference(const std::string& windowClass) {
    static std::map<std::string, QPointer<GameWindow>> references;
    return references[windowClass];
}

GameWindow* OpenGameWindow(const GameEntry& entry, _CardSize size) {
    const std::string& windowClass = size == CZ_SMALL ? entry.smallWindowClass : entry.largeWindowClass;
    CardImagery::SetCardSize(size);
    GameWindow* window = CreateGameWindow(windowClass);
    if (window == nullptr) window = new GameWindow(entry, size);
    WindowReference(windowClass) = window;
    window->show();
    return window;
}
