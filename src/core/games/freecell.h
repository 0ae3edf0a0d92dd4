#pragma once

#include <vector>

#include "games/protocol.h"

// Where the free-cell games part ways; everything else they play alike.
struct FreeCellRules {
    GameConstants constants;
    // Rows dealt across all the columns; the last row stops where the deck runs out.
    int dealtRows;
    // The free cells (numbered from 1) that take the cards left after the rows, in dealing order.
    std::vector<int> leftoverCells;
    // Runs are built down in suit; otherwise down in alternating colours.
    bool buildsInSuit;
    // Only a King, or a run headed by one, may fill an empty column.
    bool onlyKingsFillEmptyColumns;
    // A New Game taken from the win window gets its first autoplay pass at once.
    bool autoplayAfterWin;
};

// FreeCell: every card dealt face up into the columns, four free cells of one card
// each, four foundations built up by suit. Sea Towers is the same game with other rules.
class FreeCellGame : public SolitaireGame {
  public:
    FreeCellGame(const FreeCellRules& rules, const GameLayout& layout, GameHost& host,
                 std::filesystem::path settingsFile);

    const std::vector<TCardPileView*>& Columns() const { return columns_; }
    const std::vector<TCardPileView*>& FreeCells() const { return freeCells_; }
    const std::vector<TCardPileView*>& Foundations() const { return foundations_; }

  protected:
    void Deal(bool replay, bool quiet) override;
    bool PickUpAllowed(TCardPileView& source) override;
    bool Accepts(TCardPileView& target, TCardPileView& source, const TCardPile& moving) override;
    TCardPileView* DefaultDestination(TCardPileView& source, const TCardPile& moving) override;
    void CompleteDrag(TCardPileView& source, TCardPileView& destination,
                      const TCardPile& moving) override;
    void SendHome(TCardPileView& pile) override;
    void AutoplayPass() override;
    bool AutoplayAfterWin() const override { return rules_.autoplayAfterWin; }
    int ComputeScore() const override;
    void MiddleButton(TCardPileView* view) override;

  private:
    bool Builds(const TCard& card, const TCard& onto) const;
    int EmptyFreeCells() const;
    TCardPileView* FirstEmptyFreeCell() const;

    FreeCellRules rules_;
    std::vector<TCardPileView*> columns_;
    std::vector<TCardPileView*> freeCells_;
    std::vector<TCardPileView*> foundations_;
};

FreeCellRules FreeCellGameRules();

// The two tables of the FreeCell window; the popup menu serves Sea Towers too.
const GameLayout& FreeCellLargeLayout();
const GameLayout& FreeCellSmallLayout();
MenuTable FreeCellMenu();
