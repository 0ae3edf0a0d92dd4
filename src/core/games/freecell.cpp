#include "games/freecell.h"

#include "games/rules.h"

// --- constants ---

namespace {

constexpr int kFreeCellRows = 7;

}  // namespace

FreeCellRules FreeCellGameRules() {
    return {{"FreeCell", "FreeCell", 5, 52, 1004, 1}, kFreeCellRows, {}, false, false, true};
}

FreeCellGame::FreeCellGame(const FreeCellRules& rules, const GameLayout& layout, GameHost& host,
                           std::filesystem::path settingsFile)
    : SolitaireGame(rules.constants, layout, FreeCellMenu(), host, std::move(settingsFile)),
      rules_(rules),
      columns_(Group(PileRole::Tableau)),
      freeCells_(Group(PileRole::FreeCell)),
      foundations_(Group(PileRole::Foundation)) {}

// --- deal ---

// Row by row across the columns from the deck's top; whatever the rows leave over
// goes to the free cells. No autoplay follows a deal.
void FreeCellGame::Deal(bool replay, bool quiet) {
    UpdateScoreAndCaption();
    TCardPile deck;
    if (replay) {
        ReplayDealtDeck(deck);
        Play(Sound::Restart);
    } else {
        BuildNewDeck(deck, quiet);
    }
    auto dealTopCardTo = [&deck](TCardPileView& pile) {
        const CardRef card = deck.Top();
        deck.RemoveCard(card);
        card->FaceUp = true;
        pile.Pile.AddCard(card);
    };
    const bool animate = Animating(quiet);
    for (int row = 0; row < rules_.dealtRows && !deck.IsEmpty(); ++row) {
        for (TCardPileView* column : columns_) {
            if (deck.IsEmpty()) break;
            dealTopCardTo(*column);
            if (animate) column->Repaint();
        }
        if (animate) Play(Sound::Deal);
    }
    for (int cell : rules_.leftoverCells)
        if (!deck.IsEmpty()) dealTopCardTo(*freeCells_[static_cast<std::size_t>(cell - 1)]);
    FinishDeal();
}

// --- stock clicks ---

// There is no stock: every card is dealt.

// --- pick-up tests ---

bool FreeCellGame::Builds(const TCard& card, const TCard& onto) const {
    return rules_.buildsInSuit ? rules::BuildsDownInSuit(card, onto)
                               : rules::BuildsDownAlternating(card, onto);
}

int FreeCellGame::EmptyFreeCells() const {
    int empty = 0;
    for (const TCardPileView* cell : freeCells_) empty += cell->Pile.IsEmpty();
    return empty;
}

// A run moves as if card by card through the free cells, so its length is held to
// the empty cells plus one. Empty columns do not raise the limit.
bool FreeCellGame::PickUpAllowed(TCardPileView& source) {
    const CardRef picked = source.PickedCard;
    if (source.Role == PileRole::FreeCell) return picked == source.Pile.Top();
    if (source.Role != PileRole::Tableau) return false;
    const int from = source.Pile.CardIndex(picked);
    if (from < 0 || source.Pile.GetCardCount() - from > EmptyFreeCells() + 1) return false;
    return rules::RunFrom(source.Pile, from, [this](const TCard& card, const TCard& onto) {
        return Builds(card, onto);
    });
}

// --- drop tests ---

bool FreeCellGame::Accepts(TCardPileView& target, TCardPileView& source, const TCardPile& moving) {
    const CardRef bottom = moving.Bottom();
    if (&target == &source || !bottom) return false;
    const bool single = moving.GetCardCount() == 1;
    switch (target.Role) {
        case PileRole::Tableau: {
            const CardRef top = target.Pile.Top();
            if (!top) return !rules_.onlyKingsFillEmptyColumns || rules::IsKing(*bottom);
            return Builds(*bottom, *top);
        }
        case PileRole::FreeCell:
            return single && target.Pile.IsEmpty();
        case PileRole::Foundation:
            return single && rules::FitsFoundation(*bottom, target.Pile);
        default:
            return false;
    }
}

// --- default destination ---

// A built column before an empty one, then a foundation; never a free cell. Where only
// Kings fill empty columns the two column scans cannot disagree: a King never builds
// on a card, so the first accepting column is the same as in one plain scan.
TCardPileView* FreeCellGame::DefaultDestination(TCardPileView& source, const TCardPile& moving) {
    for (TCardPileView* column : columns_)
        if (!column->Pile.IsEmpty() && Accepts(*column, source, moving)) return column;
    for (TCardPileView* column : columns_)
        if (Accepts(*column, source, moving)) return column;
    for (TCardPileView* foundation : foundations_)
        if (Accepts(*foundation, source, moving)) return foundation;
    return nullptr;
}

// --- complete drag ---

// A drag makes no sound, even onto a foundation.
void FreeCellGame::CompleteDrag(TCardPileView& source, TCardPileView& destination,
                                const TCardPile& moving) {
    CountMove();
    Undoes().RecordPile(&source, &destination, moving);
    AfterMoveStep();
}

// --- send home ---

TCardPileView* FreeCellGame::FirstEmptyFreeCell() const {
    for (TCardPileView* cell : freeCells_)
        if (cell->Pile.IsEmpty()) return cell;
    return nullptr;
}

// Home when the card fits a foundation, else parked in the first empty free cell (an
// Ace is never parked). The after-move step runs whether or not anything moved.
void FreeCellGame::SendHome(TCardPileView& pile) {
    const CardRef card = pile.Pile.Top();
    if (!card) return;
    TCardPileView* target = rules::FoundationFor(*card, foundations_);
    const bool home = target != nullptr;
    if (!home && !rules::IsAce(*card)) target = FirstEmptyFreeCell();
    if (target != nullptr) {
        pile.Pile.RemoveCard(card);
        target->Pile.AddCard(card);
        target->Repaint();
        pile.Repaint();
        if (home) Play(Sound::Autoplay);
        CountMove();
        Undoes().RecordCard(&pile, target, card);
    }
    AfterMoveStep();
}

void FreeCellGame::MiddleButton(TCardPileView* view) {
    if (view != nullptr && view->Role == PileRole::Tableau) SendHome(*view);
}

// --- autoplay candidates ---

// Every card that fits goes up, whatever still lies in the columns; each send home
// runs a fresh pass, so the passes go on until nothing more fits. A pass whose game
// was won and dealt anew from the win window stops: Sea Towers deals without autoplay,
// and FreeCell has already run the new deal's own pass.
void FreeCellGame::AutoplayPass() {
    const int deal = DealNumber();
    auto sendHomeIfItFits = [this, deal](TCardPileView& pile) {
        const CardRef top = pile.Pile.Top();
        if (DealNumber() == deal && top && rules::FoundationFor(*top, foundations_)) SendHome(pile);
    };
    for (TCardPileView* cell : freeCells_) sendHomeIfItFits(*cell);
    for (TCardPileView* column : columns_) sendHomeIfItFits(*column);
}

// --- undo record kinds ---

// Every record is one plain move, taken back on its own; the base does it.

// --- score and caption ---

int FreeCellGame::ComputeScore() const {
    return rules::CardCount(foundations_);
}

// --- options ---

// Only Autoplay, which the base reads and writes.
