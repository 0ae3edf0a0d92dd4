#pragma once

#include <cstdint>
#include <memory>

// Suits in image order; Clubs and Spades are black, Diamonds and Hearts red.
enum _CardSuit : std::int8_t { CS_CLUBS = 0, CS_SPADES = 1, CS_DIAMONDS = 2, CS_HEARTS = 3 };

// The Ace is always the lowest rank: games test "one higher" or "one lower" by adding 1.
enum _CardValue : std::int8_t {
    CV_ACE = 0, CV_TWO, CV_THREE, CV_FOUR, CV_FIVE, CV_SIX, CV_SEVEN,
    CV_EIGHT, CV_NINE, CV_TEN, CV_JACK, CV_QUEEN, CV_KING = 12
};

enum _CardColor : std::uint8_t { CC_BLACK = 0, CC_RED = 1 };

constexpr int SUIT_COUNT = 4;
constexpr int RANK_COUNT = 13;
constexpr int DECK_SIZE = SUIT_COUNT * RANK_COUNT;

// One physical playing card. Suit and rank never change; only the face turns.
class TCard {
public:
    TCard() = default;
    TCard(int suit, int value, bool faceUp = false)
        : Suit(static_cast<std::int8_t>(suit)), Value(static_cast<std::int8_t>(value)), FaceUp(faceUp) {}

    void Flip() { FaceUp = !FaceUp; }

    // 0 for Clubs and Spades, 1 for Diamonds and Hearts; also kept in Color.
    int GetCardColor() {
        Color = (Suit == CS_DIAMONDS || Suit == CS_HEARTS) ? CC_RED : CC_BLACK;
        return Color;
    }
    int ColorClass() const { return (Suit == CS_DIAMONDS || Suit == CS_HEARTS) ? CC_RED : CC_BLACK; }

    // Index into the face image list: Clubs first, then Spades, Diamonds, Hearts.
    int FaceIndex() const { return Suit * RANK_COUNT + Value; }

    std::int8_t Suit = 0;
    std::int8_t Value = 0;
    std::uint8_t Color = 0;
    bool FaceUp = false;
};

// Piles share cards: a card lives for as long as any pile, deck or undo record
// still refers to it, so no holder can ever be left with a destroyed card.
using CardRef = std::shared_ptr<TCard>;
