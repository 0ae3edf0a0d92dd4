#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

#include "games/game_host.h"
#include "games/registry.h"

class DragLayer;
class PileWidget;
class QAction;
class QMenu;

// The one window every game is shown in: its piles from the game's layout table, its
// popup menu from the game's menu rows, the mouse and keys turned into game calls,
// and the game's questions answered with the program's dialogs.
class GameWindow : public QWidget, public GameHost {
    Q_OBJECT
public:
    GameWindow(const GameEntry& entry, _CardSize size);
    ~GameWindow() override;

    SolitaireGame& Game() const { return *game_; }
    const GameEntry& Entry() const { return entry_; }
    _CardSize CardSize() const { return layout_.cardSize; }
    PileWidget* WidgetFor(const TCardPileView& view) const;
    QMenu& PopupMenu() const { return *menu_; }
    QAction* Action(const std::string& itemName) const;

    QColor TableColor() const;
    // The painted table under the piles when it is a gradient or a picture; else null.
    const QPixmap* TableBitmap() const { return tableBitmap_.isNull() ? nullptr : &tableBitmap_; }
    void SetTableBitmap(const QPixmap& bitmap);
    // Repaints every pile, for a new table background or colour.
    void RefreshPiles();

    // Mouse events of the pile widgets.
    void PilePressed(PileWidget& pile, QMouseEvent& event, bool doubleClick);
    void PileMoved(PileWidget& pile, QMouseEvent& event);
    void PileReleased(PileWidget& pile, QMouseEvent& event);

    // GameHost
    bool Confirm(const std::string& text) override;
    int ShowWinWindow() override;
    void ShowStatistics() override;
    void ShowPreferences() override;
    void ShowHelp(int topic) override;
    void SetCaption(const std::string& caption) override;
    void Play(Sound sound) override;
    bool DealAnimationOn() const override;
    void SetCloseAllowed(bool allowed) override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenu();
    void SyncMenu();
    PileWidget* PileAt(QPoint pointInWindow) const;
    void ShowPopup(QPoint globalPosition);

    const GameEntry& entry_;
    const GameLayout& layout_;
    std::unique_ptr<SolitaireGame> game_;
    std::vector<PileWidget*> piles_;
    DragLayer* dragLayer_ = nullptr;
    QMenu* menu_ = nullptr;
    std::vector<std::pair<std::string, QAction*>> actions_;
    QPixmap tableBitmap_;
    bool dragging_ = false;
    bool placementRestored_ = false;
    bool placementSaved_ = false;
};

// The window of each class that is open, cleared when it goes ("TKlondikeForm", ...).
QPointer<GameWindow>& WindowReference(const std::string& windowClass);
// Opens the game's window of that card size.
GameWindow* OpenGameWindow(const GameEntry& entry, _CardSize size);
