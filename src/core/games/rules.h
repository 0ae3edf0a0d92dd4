#pragma once

#include <vector>

#include "cards/card_pile.h"
#include "piles/card_pile_view.h"

// Card-sequence tests in the players' own words, shared by every game's rules.
namespace rules {

inline bool OtherColour(const TCard& a, const TCard& b) { return a.ColorClass() != b.ColorClass(); }
inline bool SameSuit(const TCard& a, const TCard& b) { return a.Suit == b.Suit; }
inline bool OneLower(const TCard& card, const TCard& than) { return card.Value + 1 == than.Value; }
inline bool IsAce(const TCard& card) { return card.Value == CV_ACE; }
inline bool IsKing(const TCard& card) { return card.Value == CV_KING; }

// The card may go on top of `onto`: one rank lower and of the other colour.
inline bool BuildsDownAlternating(const TCard& card, const TCard& onto) {
    return OneLower(card, onto) && OtherColour(card, onto);
}
inline bool BuildsDownInSuit(const TCard& card, const TCard& onto) {
    return OneLower(card, onto) && SameSuit(card, onto);
}

// From index `from` to the top, every card is one lower than the card it covers,
// by `fits(card, covered)`.
template <typename Fits>
bool RunFrom(const TCardPile& pile, int from, Fits fits) {
    for (int i = from + 1; i < pile.GetCardCount(); ++i)
        if (!fits(*pile.CardAt(i), *pile.CardAt(i - 1))) return false;
    return true;
}

// A single card fits a foundation built up by suit from the Ace.
inline bool FitsFoundation(const TCard& card, const TCardPile& foundation) {
    const CardRef top = foundation.Top();
    if (!top) return IsAce(card);
    return SameSuit(card, *top) && top->Value + 1 == card.Value;
}

// The pile send home looks for: the first empty one for an Ace, otherwise the first
// non-empty one whose top card is the same suit and one lower.
inline TCardPileView* FoundationFor(const TCard& card, const std::vector<TCardPileView*>& foundations) {
    for (TCardPileView* foundation : foundations) {
        const CardRef top = foundation->Pile.Top();
        if (IsAce(card) ? !top : (top && SameSuit(card, *top) && top->Value + 1 == card.Value)) return foundation;
    }
    return nullptr;
}

inline int CardCount(const std::vector<TCardPileView*>& views) {
    int count = 0;
    for (const TCardPileView* view : views) count += view->Pile.GetCardCount();
    return count;
}

}  // namespace rules
