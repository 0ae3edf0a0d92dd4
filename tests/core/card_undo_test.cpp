#include <gtest/gtest.h>

#include <memory>

#include "piles/card_pile_view.h"
#include "services/card_undo.h"

namespace {

struct UndoFixture : ::testing::Test {
    UndoFixture() {
        history.MenuItem = &undoItem;
        history.Beep = [this] { ++beeps; };
        undoItem.Enabled = false;
    }
    CardRef Make(int value) { return std::make_shared<TCard>(CS_HEARTS, value, true); }

    TMenuItem undoItem{"Undo1", "&Undo", "Ctrl+Z", false};
    TCardUndo history;
    TCardPileView a{"a"}, b{"b"};
    int beeps = 0;
};

TEST_F(UndoFixture, ANewHistoryPeeksNothing) {
    history.Peek();
    EXPECT_EQ(history.LastSource, nullptr);
    EXPECT_EQ(history.LastTarget, nullptr);
    EXPECT_EQ(history.LastCards, nullptr);
    history.Clear();
    EXPECT_FALSE(undoItem.Enabled);
}

TEST_F(UndoFixture, RecordCardIsPeekedAndEnablesUndo) {
    const CardRef c = Make(CV_FIVE);
    history.RecordCard(&a, &b, c);
    EXPECT_TRUE(undoItem.Enabled);
    history.Peek();
    EXPECT_EQ(history.LastSource, &a);
    EXPECT_EQ(history.LastTarget, &b);
    ASSERT_NE(history.LastCards, nullptr);
    EXPECT_EQ(history.LastCards->Cards, (std::vector<CardRef>{c}));
    EXPECT_EQ(beeps, 0);
}

TEST_F(UndoFixture, RestoringAMoveReturnsTheCardsInOrderAndTheLastDropDisablesUndo) {
    const CardRef x = Make(1), y = Make(2), z = Make(3);
    TCardPile moved;
    for (const CardRef& card : {x, y, z}) {
        moved.AddCard(card);
        b.Pile.AddCard(card);
    }
    history.RecordPile(&a, &b, moved);
    moved.Empty(false);  // the caller's pile is its own
    history.RestoreLast();
    EXPECT_EQ(a.Pile.Cards, (std::vector<CardRef>{x, y, z}));
    EXPECT_TRUE(b.Pile.IsEmpty());
    EXPECT_TRUE(undoItem.Enabled);
    history.DropLast();
    EXPECT_FALSE(undoItem.Enabled);
    EXPECT_EQ(beeps, 0);
}

TEST_F(UndoFixture, AFlipRecordLeavesTheTopCardWhereItIs) {
    const CardRef under = Make(1), top = Make(2);
    a.Pile.AddCard(under);
    a.Pile.AddCard(top);
    history.RecordCard(&a, &a, top);
    history.RestoreLast();
    history.DropLast();
    EXPECT_EQ(a.Pile.Cards, (std::vector<CardRef>{under, top}));
}

TEST_F(UndoFixture, RestoringAnEmptyHistoryDisablesUndoAndClearsTheLastRecord) {
    undoItem.Enabled = true;
    history.RestoreLast();
    EXPECT_FALSE(undoItem.Enabled);
    EXPECT_EQ(history.LastSource, nullptr);
}

TEST_F(UndoFixture, ClearKeepsEveryRecordedCardAliveInItsPile) {
    for (int i = 0; i < 4; ++i) {
        const CardRef card = Make(i);
        b.Pile.AddCard(card);
        history.RecordCard(&a, &b, card);
    }
    std::weak_ptr<TCard> watched = b.Pile.Top();
    history.Clear();
    EXPECT_EQ(b.Pile.GetCardCount(), 4);
    EXPECT_FALSE(watched.expired());
    EXPECT_FALSE(undoItem.Enabled);
    EXPECT_EQ(history.RecordCount(), 0);
}

TEST_F(UndoFixture, UnequalListsBeepButCarryOn) {
    history.RecordCard(&a, &b, Make(1));
    history.RecordCard(&a, &b, Make(2));
    history.RestoreLast();  // the record pile stays until DropLast
    history.RecordCard(&a, &b, Make(3));
    EXPECT_EQ(beeps, 1);
}

}  // namespace
