#pragma once

#include <vector>

#include "cards/card.h"

// Given to CardAt it selects the top card; given to InsertCard or InsertPile it appends.
constexpr int PILE_TOP = 9999;

// An ordered list of shared card references; index 0 is the bottom card.
// A pile carries no rule of its own: it does not know whether it is a stock or a column.
class TCardPile {
public:
    void AddCard(CardRef card);
    void InsertCard(CardRef card, int index);
    void AddPile(const TCardPile& other);
    void InsertPile(const TCardPile& other, int index);
    void CopyPileTo(TCardPile& destination) const;
    void RemoveCard(const TCard* card);
    void RemoveCard(const CardRef& card) { RemoveCard(card.get()); }

    // None on an empty pile, whatever the index; PILE_TOP is the top card;
    // any other index outside the pile throws std::out_of_range.
    CardRef CardAt(int index) const;
    int CardIndex(const TCard* card) const;
    int CardIndex(const CardRef& card) const { return CardIndex(card.get()); }
    int GetCardCount() const { return static_cast<int>(Cards.size()); }
    bool IsEmpty() const { return Cards.empty(); }
    CardRef Top() const { return Cards.empty() ? nullptr : Cards.back(); }
    CardRef Bottom() const { return Cards.empty() ? nullptr : Cards.front(); }

    // Appends one full deck of 52 new face-down cards: Aces of every suit first.
    void AddDeck();
    // With free = true the pile gives up its cards for good; a card still held by
    // another pile, the dealt deck or an undo record lives on there.
    void Empty(bool free = false);
    // Reverses the pile and turns every card over.
    void Flip();
    void Shuffle();

    std::vector<CardRef> Cards;
};
