#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "cards/card_pile.h"
#include "games/game_constants.h"
#include "games/game_host.h"
#include "games/layout.h"
#include "piles/card_pile_view.h"
#include "services/card_undo.h"

class TProfile;

struct Modifiers {
    bool shift = false;
    bool ctrl = false;
};

// Where a game stands; confirmations and recording depend on it.
enum class Lifecycle { Untouched, InPlay, Won, Closing };

// What every game window does alike, written once: creation and the quiet first deal,
// New Game and Restart with their confirmations, the close query, the drag from press
// to completed move with its sticky destination, send home, the autoplay loop, the
// after-move step with the win, undo, options and statistics. A game fills in the hooks.
class SolitaireGame {
public:
    SolitaireGame(GameConstants constants, const GameLayout& layout, MenuTable menu, GameHost& host,
                  std::filesystem::path settingsFile);
    virtual ~SolitaireGame();
    SolitaireGame(const SolitaireGame&) = delete;
    SolitaireGame& operator=(const SolitaireGame&) = delete;

    // Reads the options and deals quietly; the views already stand on the table.
    void Create();

    // The popup menu's commands, by item name ("NewGame1", "Undo1", "DrawOne1", ...).
    void RunCommand(const std::string& itemName);
    void NewGame();
    void Restart();
    void Undo();
    void ToggleAutoplay();
    // Asks before an unfinished game is abandoned; records it as lost when confirmed.
    bool CloseQuery();
    // Empties every pile and lets the cards of the deal go.
    void Close();
    void Resize(int clientHeight);

    // Mouse and keys, as the window turns them into calls.
    virtual void MouseDown(TCardPileView& view, MouseButton button, Modifiers modifiers, int x, int y);
    // The first move with the button held: lifts the cards and picks a default destination.
    bool StartDrag(TCardPileView& view);
    // The pointer over a view (or over the bare table when null): true when a drop would land.
    bool DragOver(TCardPileView* view);
    // The button released, wherever: the cards go to the sticky destination or back.
    void Drop();
    virtual void DoubleClick(TCardPileView& view);
    virtual void Click(TCardPileView& view);
    virtual void TableMouseDown(MouseButton button);
    virtual void KeyPress(char key);

    TCardPileView* DragSource() const { return dragSource_; }
    const std::vector<std::unique_ptr<TCardPileView>>& Views() const { return views_; }
    std::vector<TCardPileView*> Group(PileRole role) const;
    TCardPileView* View(const std::string& name) const;
    MenuTable& Menu() { return menu_; }
    TMenuItem* MenuItem(const std::string& name);

    const GameConstants& Constants() const { return constants_; }
    const GameLayout& Layout() const { return layout_; }
    int MoveCount() const { return moveCount_; }
    int Score() const { return score_; }
    bool Won() const { return lifecycle_ == Lifecycle::Won; }
    Lifecycle State() const { return lifecycle_; }
    bool AutoplayOn() const { return autoplay_; }
    const TCardPile& DealtDeck() const { return dealtDeck_; }
    const TCardUndo& History() const { return history_; }
    std::string Caption() const;

protected:
    // --- hooks every game fills in ---
    virtual void Deal(bool replay, bool quiet) = 0;
    virtual bool PickUpAllowed(TCardPileView& source) = 0;
    // One drop test serves drag-over, default destination, send home and autoplay.
    virtual bool Accepts(TCardPileView& target, TCardPileView& source, const TCardPile& moving) = 0;
    virtual TCardPileView* DefaultDestination(TCardPileView& source, const TCardPile& moving) = 0;
    virtual void CompleteDrag(TCardPileView& source, TCardPileView& destination, const TCardPile& moving) = 0;
    virtual void SendHome(TCardPileView& pile) = 0;
    virtual void AutoplayPass() = 0;
    virtual int ComputeScore() const = 0;

    // --- hooks with a common default ---
    // Which views run a drop test when the pointer passes over them.
    virtual bool HasDropTest(const TCardPileView& view) const;
    virtual void OnViewMouseDown(TCardPileView& view, MouseButton button, Modifiers modifiers);
    // The middle button, on a view or on the bare table (null).
    virtual void MiddleButton(TCardPileView* view) { (void)view; }
    // Takes back the latest move; games with compound moves take back several records.
    virtual void UndoLatest() { TakeBackOneRecord(); }
    virtual void AfterUndo() {}
    virtual void OnWin() {}
    virtual bool AutoplayAfterWin() const { return false; }
    virtual void ReadOptions(TProfile& profile);
    virtual void GameCommand(const std::string& itemName);
    virtual std::string CaptionFor(int score) const;

    // --- services for the hooks ---
    void AfterMoveStep();
    void RunAutoplayPass();
    void UpdateScoreAndCaption();
    void CountMove();
    void TakeBackOneRecord();
    void RecordGame();
    // A new deal: the deck of the game's decks, shuffled, remembered as the dealt deck.
    void BuildNewDeck(TCardPile& into, bool quiet);
    // A replay: the dealt deck again, every card face down.
    void ReplayDealtDeck(TCardPile& into);
    bool Animating(bool quiet) const;
    void FinishDeal();
    // Counts this window's deals. An autoplay pass that sees it change was overtaken by
    // a New Game from the win window and must not play on into the fresh deal.
    int DealNumber() const { return dealNumber_; }
    void Play(Sound sound) { host_.Play(sound); }
    TProfile Profile() const;
    TCardUndo& Undoes() { return history_; }
    GameHost& Host() { return host_; }
    bool Foundation(const TCardPileView& view) const { return view.Role == PileRole::Foundation; }

private:
    void EmptyPlayingPiles();
    void BuildViews();
    void StartOver(bool replay);
    void Win();

    GameConstants constants_;
    const GameLayout& layout_;
    MenuTable menu_;
    GameHost& host_;
    std::filesystem::path settingsFile_;
    std::vector<std::unique_ptr<TCardPileView>> views_;
    TCardPile dealtDeck_;
    TCardUndo history_;
    TCardPileView* dragSource_ = nullptr;
    int moveCount_ = 0;
    int dealNumber_ = 0;
    int score_ = 0;
    bool autoplay_ = false;
    Lifecycle lifecycle_ = Lifecycle::Untouched;
};
