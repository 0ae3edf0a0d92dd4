#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "cards/card_pile.h"
#include "cards/shuffle.h"

namespace {

CardRef Card(int suit, int value, bool faceUp = false) { return std::make_shared<TCard>(suit, value, faceUp); }

TEST(CardTest, ColourClassSplitsBlackAndRedSuits) {
    for (int suit = 0; suit < 4; ++suit) {
        TCard card(suit, CV_FIVE);
        EXPECT_EQ(card.GetCardColor(), suit < 2 ? CC_BLACK : CC_RED) << "suit " << suit;
        EXPECT_EQ(card.Color, card.GetCardColor());
    }
}

TEST(CardTest, NewCardsLieFaceDownUnlessToldOtherwise) {
    EXPECT_FALSE(TCard(CS_HEARTS, CV_KING).FaceUp);
    EXPECT_TRUE(TCard(CS_HEARTS, CV_KING, 1).FaceUp);
    TCard card;
    EXPECT_EQ(card.Suit, 0);
    EXPECT_EQ(card.Value, 0);
    card.Flip();
    EXPECT_TRUE(card.FaceUp);
}

TEST(CardPileTest, EmptyPileAnswersNoneForAnyIndex) {
    TCardPile pile;
    EXPECT_EQ(pile.GetCardCount(), 0);
    EXPECT_EQ(pile.CardAt(PILE_TOP), nullptr);
    EXPECT_EQ(pile.CardAt(0), nullptr);
    EXPECT_EQ(pile.CardAt(57), nullptr);
}

TEST(CardPileTest, OutOfRangeIndexOnAFullPileThrows) {
    TCardPile pile;
    pile.AddCard(Card(0, 0));
    EXPECT_THROW(pile.CardAt(1), std::out_of_range);
    EXPECT_THROW(pile.CardAt(-1), std::out_of_range);
    EXPECT_THROW(pile.CardAt(PILE_TOP - 1), std::out_of_range);
    EXPECT_THROW(pile.CardAt(PILE_TOP + 1), std::out_of_range);
}

TEST(CardPileTest, DeckRunsByRankThenSuitFaceDown) {
    TCardPile pile;
    pile.AddDeck();
    ASSERT_EQ(pile.GetCardCount(), 52);
    auto expect = [&](int index, int suit, int value) {
        const CardRef card = pile.CardAt(index);
        EXPECT_EQ(card->Suit, suit) << index;
        EXPECT_EQ(card->Value, value) << index;
    };
    expect(0, CS_CLUBS, CV_ACE);
    expect(1, CS_SPADES, CV_ACE);
    expect(4, CS_CLUBS, CV_TWO);
    expect(51, CS_HEARTS, CV_KING);
    EXPECT_EQ(pile.CardAt(PILE_TOP), pile.CardAt(51));
    for (const CardRef& card : pile.Cards) EXPECT_FALSE(card->FaceUp);
    pile.AddDeck();
    EXPECT_EQ(pile.GetCardCount(), 104);
}

TEST(CardPileTest, InsertCardAtBottomOrTop) {
    TCardPile pile;
    const CardRef a = Card(0, 1), b = Card(0, 2), c = Card(0, 3), d = Card(0, 4);
    pile.AddCard(a);
    pile.AddCard(b);
    pile.InsertCard(c, 0);
    pile.InsertCard(d, PILE_TOP);
    EXPECT_EQ(pile.Cards, (std::vector<CardRef>{c, a, b, d}));
    pile.InsertCard(Card(1, 1), 9998 - 9998 + 1);
    EXPECT_EQ(pile.CardIndex(a), 2);
}

TEST(CardPileTest, FlipReversesAndTurnsEveryCardAndTwiceRestores) {
    TCardPile pile;
    const CardRef a = Card(0, 1, true), b = Card(0, 2, true), c = Card(0, 3, true);
    pile.AddCard(a);
    pile.AddCard(b);
    pile.AddCard(c);
    pile.Flip();
    EXPECT_EQ(pile.Cards, (std::vector<CardRef>{c, b, a}));
    for (const CardRef& card : pile.Cards) EXPECT_FALSE(card->FaceUp);
    pile.Flip();
    EXPECT_EQ(pile.Cards, (std::vector<CardRef>{a, b, c}));
    for (const CardRef& card : pile.Cards) EXPECT_TRUE(card->FaceUp);
}

TEST(ShuffleTest, GeneratorDrawsTheKnownSequence) {
    shuffle::Seed(1);
    EXPECT_EQ(shuffle::Draw(), 346);
    EXPECT_EQ(shuffle::Draw(), 130);
    EXPECT_EQ(shuffle::Draw(), 10982);
}

TEST(ShuffleTest, TinyPilesDrawNothingAndTwoCardsSwapOnAnOddDraw) {
    for (int size : {0, 1}) {
        TCardPile pile;
        for (int i = 0; i < size; ++i) pile.AddCard(Card(0, i));
        shuffle::Seed(1);
        pile.Shuffle();
        EXPECT_EQ(shuffle::Draw(), 346) << "a pile of " << size << " must not draw";
    }
    for (std::uint32_t seed = 1; seed < 6; ++seed) {
        TCardPile pile;
        const CardRef a = Card(0, 0), b = Card(0, 1);
        pile.AddCard(a);
        pile.AddCard(b);
        shuffle::Seed(seed);
        const int draw = shuffle::Draw();
        shuffle::Seed(seed);
        pile.Shuffle();
        EXPECT_EQ(pile.CardAt(0), draw % 2 ? b : a) << "seed " << seed;
    }
}

TEST(ShuffleTest, SeededDealsRepeatAndFreshDealsDiffer) {
    auto dealOrder = [] {
        TCardPile pile;
        pile.AddDeck();
        shuffle::SeedForNewDeal();
        pile.Shuffle();
        std::vector<int> order;
        for (const CardRef& card : pile.Cards) order.push_back(card->FaceIndex());
        return order;
    };
    shuffle::FixNextDealSeed(42);
    const auto first = dealOrder();
    shuffle::FixNextDealSeed(42);
    EXPECT_EQ(dealOrder(), first);
    // Two deals right after each other, within the same second.
    EXPECT_NE(dealOrder(), dealOrder());
}

TEST(CardPileTest, SharedCardsOutliveAPileThatForgetsThem) {
    std::weak_ptr<TCard> watched;
    TCardPile keeper;
    {
        TCardPile source;
        source.AddDeck();
        watched = source.CardAt(PILE_TOP);
        source.CopyPileTo(keeper);
        EXPECT_EQ(source.GetCardCount(), 52);
        EXPECT_EQ(keeper.CardAt(PILE_TOP), source.CardAt(PILE_TOP));
        source.Empty(true);
    }
    ASSERT_FALSE(watched.expired());
    watched.lock()->Flip();
    EXPECT_TRUE(keeper.CardAt(PILE_TOP)->FaceUp);
    keeper.Empty(true);
    EXPECT_TRUE(watched.expired());
}

TEST(CardPileTest, RemovingAnAbsentCardChangesNothing) {
    TCardPile pile;
    pile.AddCard(Card(0, 0));
    const CardRef stranger = Card(1, 1);
    pile.RemoveCard(stranger);
    EXPECT_EQ(pile.GetCardCount(), 1);
    EXPECT_EQ(pile.CardIndex(stranger), -1);
}

TEST(CardPileTest, AddPileOfItselfDoublesInOrder) {
    TCardPile pile;
    const CardRef a = Card(0, 0), b = Card(0, 1);
    pile.AddCard(a);
    pile.AddCard(b);
    pile.AddPile(pile);
    EXPECT_EQ(pile.Cards, (std::vector<CardRef>{a, b, a, b}));
}

}  // namespace
