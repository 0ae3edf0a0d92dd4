#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "piles/card_pile_view.h"

namespace {

// A fanned column of five cards, 20 pixels apart, as on a large-card table.
struct ColumnFixture : ::testing::Test {
    ColumnFixture() {
        column.YOffset = 20;
        column.AllowDrag = true;
        for (int i = 0; i < 5; ++i) {
            cards.push_back(std::make_shared<TCard>(CS_SPADES, CV_KING - i, true));
            column.Pile.AddCard(cards.back());
        }
    }
    TCardPileView column{"TableauPileView1", LARGE_CARD};
    TCardPileView other{"TableauPileView2", LARGE_CARD};
    std::vector<CardRef> cards;
};

TEST_F(ColumnFixture, PressPicksTheTopmostCardUnderThePointer) {
    struct Case { int x, y; int picked; };
    const Case cases[] = {{10, 30, 1}, {10, 130, 4}, {10, 210, -1}, {0, 0, 0}, {79, 19, 0},
                          {80, 30, -1} /* the right edge belongs to no card */,
                          {10, 204, 4}, {10, 205, -1} /* nor the bottom edge */};
    for (const Case& c : cases) {
        column.MouseDown(MouseButton::Left, c.x, c.y);
        EXPECT_EQ(column.PickedCard, c.picked < 0 ? nullptr : cards[static_cast<std::size_t>(c.picked)])
            << c.x << "," << c.y;
    }
    column.MouseDown(MouseButton::Left, 15, 47);
    EXPECT_EQ(column.GrabX, 15);
    EXPECT_EQ(column.GrabY, 7);
    EXPECT_EQ(column.HitRect.top, 40);
    EXPECT_EQ(column.HitRect.bottom, 165);
}

TEST_F(ColumnFixture, EveryPressResetsTheDragDecisionButOnlyTheLeftButtonPicks) {
    column.MouseDown(MouseButton::Left, 10, 30);
    column.DragPermitted = true;
    column.Destination = &other;
    column.MouseDown(MouseButton::Right, 10, 130);
    EXPECT_FALSE(column.DragPermitted);
    EXPECT_EQ(column.Destination, nullptr);
    EXPECT_EQ(column.PickedCard, cards[1]);
}

TEST(PileViewGeometryTest, FractionalOffsetsAreTruncatedPerCard) {
    TCardPileView stock;
    stock.XOffset = 1.0f;
    stock.YOffset = 0.2f;
    EXPECT_EQ(stock.CardLeft(5), 5);
    EXPECT_EQ(stock.CardTop(5), 1);
    EXPECT_EQ(stock.CardLeft(4), 4);
    EXPECT_EQ(stock.CardTop(4), 0);
}

TEST_F(ColumnFixture, LiftTakesThePickedCardAndEverythingAboveInOrder) {
    column.MouseDown(MouseButton::Left, 10, 30);
    EXPECT_FALSE(column.Lift()) << "the game did not permit it";
    column.DragPermitted = true;
    ASSERT_TRUE(column.Lift());
    EXPECT_EQ(column.Pile.Cards, (std::vector<CardRef>{cards[0]}));
    EXPECT_EQ(column.DragPile.Cards, (std::vector<CardRef>{cards[1], cards[2], cards[3], cards[4]}));
    EXPECT_EQ(column.DragImageSize().width, 80);
    EXPECT_EQ(column.DragImageSize().height, 4 * 20 + 125);
}

TEST_F(ColumnFixture, LiftNeedsAllowDrag) {
    column.AllowDrag = false;
    column.MouseDown(MouseButton::Left, 10, 30);
    column.DragPermitted = true;
    EXPECT_FALSE(column.Lift());
    EXPECT_EQ(column.Pile.GetCardCount(), 5);
}

TEST_F(ColumnFixture, DropWithoutDestinationOrOntoItselfRestoresThePile) {
    for (TCardPileView* destination : {static_cast<TCardPileView*>(nullptr), &column}) {
        column.MouseDown(MouseButton::Left, 10, 30);
        column.DragPermitted = true;
        ASSERT_TRUE(column.Lift());
        column.Destination = destination;
        column.EndDrag();
        EXPECT_EQ(column.Pile.Cards, cards);
        EXPECT_EQ(column.Destination, nullptr);
    }
}

TEST_F(ColumnFixture, DropOntoADestinationAppendsThereUnlessManual) {
    int repaintsOfOther = 0;
    other.SetObserver([&](TCardPileView&, RedrawKind kind) { repaintsOfOther += kind == RedrawKind::Now; });
    column.MouseDown(MouseButton::Left, 10, 70);
    column.DragPermitted = true;
    ASSERT_TRUE(column.Lift());
    column.Destination = &other;
    column.EndDrag();
    EXPECT_EQ(other.Pile.Cards, (std::vector<CardRef>{cards[3], cards[4]}));
    EXPECT_EQ(column.Pile.GetCardCount(), 3);
    EXPECT_EQ(repaintsOfOther, 1);

    column.ManualDrop = true;
    column.MouseDown(MouseButton::Left, 10, 50);
    column.DragPermitted = true;
    ASSERT_TRUE(column.Lift());
    column.Destination = &other;
    column.EndDrag();
    EXPECT_EQ(column.Pile.GetCardCount(), 2);
    EXPECT_EQ(other.Pile.GetCardCount(), 2);
    EXPECT_EQ(column.DragPile.Cards, (std::vector<CardRef>{cards[2]}));
}

}  // namespace
