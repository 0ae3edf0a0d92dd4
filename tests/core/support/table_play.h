#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "games/protocol.h"

// Plays the table as a player would, through the same calls the window makes.
namespace table {

// Presses on card `index` of the view (PILE_TOP: the top card) with the left button.
inline void Press(SolitaireGame& game, TCardPileView& view, int index = PILE_TOP, Modifiers modifiers = {}) {
    const int i = index == PILE_TOP ? view.Pile.GetCardCount() - 1 : index;
    game.MouseDown(view, MouseButton::Left, modifiers, view.CardLeft(i < 0 ? 0 : i) + 2,
                   view.CardTop(i < 0 ? 0 : i) + 2);
}

// A whole drag: press, lift, pass over each of `over` (null: bare table), release.
inline bool Drag(SolitaireGame& game, TCardPileView& from, int index, const std::vector<TCardPileView*>& over) {
    Press(game, from, index);
    if (!game.StartDrag(from)) return false;
    for (TCardPileView* view : over) game.DragOver(view);
    game.Drop();
    return true;
}

inline bool Drag(SolitaireGame& game, TCardPileView& from, int index, TCardPileView& to) {
    return Drag(game, from, index, std::vector<TCardPileView*>{&to});
}

// Every card of every pile, bottom to top, with its face: the table as a player sees it.
struct PlacedCard {
    std::string view;
    const TCard* card;
    bool faceUp;
    bool operator==(const PlacedCard&) const = default;
};

inline void PrintTo(const PlacedCard& placed, std::ostream* os) {
    *os << placed.view << ":" << int(placed.card->Suit) << "/" << int(placed.card->Value)
        << (placed.faceUp ? "+" : "-");
}

inline std::vector<PlacedCard> Snapshot(const SolitaireGame& game) {
    std::vector<PlacedCard> cards;
    for (const auto& view : game.Views())
        for (const CardRef& card : view->Pile.Cards) cards.push_back({view->Name, card.get(), card->FaceUp});
    return cards;
}

inline int CardsOnTable(const SolitaireGame& game) {
    int count = 0;
    for (const auto& view : game.Views()) count += view->Pile.GetCardCount();
    return count;
}

}  // namespace table
