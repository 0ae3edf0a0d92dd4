#include "cards/card_pile.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "cards/shuffle.h"

void TCardPile::AddCard(CardRef card) { Cards.push_back(std::move(card)); }

void TCardPile::InsertCard(CardRef card, int index) {
    if (index == PILE_TOP) {
        AddCard(std::move(card));
        return;
    }
    if (index < 0 || index > GetCardCount())
        throw std::out_of_range("TCardPile::InsertCard: index " + std::to_string(index));
    Cards.insert(Cards.begin() + index, std::move(card));
}

void TCardPile::AddPile(const TCardPile& other) { InsertPile(other, PILE_TOP); }

void TCardPile::InsertPile(const TCardPile& other, int index) {
    // Copy first: the other pile may be this very pile.
    const std::vector<CardRef> incoming = other.Cards;
    const auto at = (index == PILE_TOP) ? Cards.end() : Cards.begin() + std::clamp(index, 0, GetCardCount());
    Cards.insert(at, incoming.begin(), incoming.end());
}

void TCardPile::CopyPileTo(TCardPile& destination) const { destination.AddPile(*this); }

void TCardPile::RemoveCard(const TCard* card) {
    const auto found = std::find_if(Cards.begin(), Cards.end(), [card](const CardRef& c) { return c.get() == card; });
    if (found != Cards.end()) Cards.erase(found);
}

CardRef TCardPile::CardAt(int index) const {
    if (Cards.empty()) return nullptr;
    if (index == PILE_TOP) return Cards.back();
    if (index < 0 || index >= GetCardCount())
        throw std::out_of_range("TCardPile::CardAt: list index out of bounds (" + std::to_string(index) + ")");
    return Cards[static_cast<std::size_t>(index)];
}

int TCardPile::CardIndex(const TCard* card) const {
    for (std::size_t i = 0; i < Cards.size(); ++i)
        if (Cards[i].get() == card) return static_cast<int>(i);
    return -1;
}

void TCardPile::AddDeck() {
    for (int value = CV_ACE; value <= CV_KING; ++value)
        for (int suit = CS_CLUBS; suit <= CS_HEARTS; ++suit) AddCard(std::make_shared<TCard>(suit, value, false));
}

void TCardPile::Empty(bool free) {
    if (free) {
        // Release from the top down, as the cards were stacked.
        while (!Cards.empty()) Cards.pop_back();
    }
    Cards.clear();
}

void TCardPile::Flip() {
    std::reverse(Cards.begin(), Cards.end());
    for (const CardRef& card : Cards) card->Flip();
}

void TCardPile::Shuffle() {
    const int n = GetCardCount();
    for (int i = 0; i + 1 < n; ++i) {
        const int j = i + shuffle::Draw() % (n - i);
        std::swap(Cards[static_cast<std::size_t>(i)], Cards[static_cast<std::size_t>(j)]);
    }
}
