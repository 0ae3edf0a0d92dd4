#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "cards/shuffle.h"
#include "games/freecell.h"
#include "games/rules.h"
#include "support/fake_host.h"
#include "support/table_play.h"

// Shared by the FreeCell and Sea Towers tests: hand-built positions, moves that send
// nothing home, and random play with the invariants both games keep.
namespace free_cell_play {

using Cards = std::vector<std::pair<int, int>>;  // suit, value; bottom first

inline CardRef Card(int suit, int value) {
    return std::make_shared<TCard>(suit, value, true);
}

inline TCardPileView& Nth(const std::vector<TCardPileView*>& group, int n) {
    return *group.at(static_cast<std::size_t>(n - 1));
}

inline void ClearTable(SolitaireGame& game) {
    for (const auto& view : game.Views()) view->Pile.Empty(true);
}

inline void Lay(TCardPileView& view, const Cards& cards) {
    for (auto [suit, value] : cards) view.Pile.AddCard(Card(suit, value));
}

// Every foundation built from the Ace up: foundation n holds suit n − 1 up to tops[n − 1]
// (CV_ACE − 1 leaves it empty).
inline void BuildFoundations(FreeCellGame& game, const std::vector<int>& tops) {
    for (int suit = 0; suit < SUIT_COUNT; ++suit)
        for (int value = CV_ACE; value <= tops[static_cast<std::size_t>(suit)]; ++value)
            Nth(game.Foundations(), suit + 1).Pile.AddCard(Card(suit, value));
}

// Moves that send nothing home: a card that fits no foundation hops between the free
// cells. Needs one such card in a free cell or on a column, and one empty cell.
inline void MakeMoves(FreeCellGame& game, int count) {
    auto parkable = [&game](const TCardPileView* view) {
        const CardRef top = view->Pile.Top();
        return top && !rules::FoundationFor(*top, game.Foundations());
    };
    for (int i = 0; i < count; ++i) {
        TCardPileView* from = nullptr;
        for (TCardPileView* cell : game.FreeCells())
            if (!from && parkable(cell)) from = cell;
        for (TCardPileView* column : game.Columns())
            if (!from && parkable(column)) from = column;
        ASSERT_NE(from, nullptr);
        const int before = game.MoveCount();
        game.DoubleClick(*from);
        ASSERT_EQ(game.MoveCount(), before + 1);
    }
}

// The first seed whose deal shows an Ace on top of a column: a deal where an autoplay
// pass, if one ran, would move at once.
inline std::uint32_t SeedWithAnAceOnTop(const FreeCellRules& rules, const GameLayout& layout,
                                        const std::filesystem::path& settings) {
    for (std::uint32_t seed = 1;; ++seed) {
        shuffle::FixNextDealSeed(seed);
        FakeHost host;
        FreeCellGame trial(rules, layout, host, settings);
        trial.Create();
        for (const TCardPileView* column : trial.Columns())
            if (column->Pile.Top()->Value == CV_ACE) return seed;
    }
}

// The table keeps every card exactly once, face up; a free cell holds one card at
// most; each foundation runs from the Ace up in one suit.
inline void ExpectSoundTable(const FreeCellGame& game, int cards) {
    std::set<const TCard*> seen;
    for (const auto& placed : table::Snapshot(game)) {
        seen.insert(placed.card);
        ASSERT_TRUE(placed.faceUp) << placed.view;
    }
    ASSERT_EQ(static_cast<int>(seen.size()), cards);
    ASSERT_EQ(table::CardsOnTable(game), cards);
    for (const TCardPileView* cell : game.FreeCells())
        ASSERT_LE(cell->Pile.GetCardCount(), 1) << cell->Name;
    for (const TCardPileView* foundation : game.Foundations())
        for (int i = 0; i < foundation->Pile.GetCardCount(); ++i) {
            ASSERT_EQ(foundation->Pile.CardAt(i)->Value, i) << foundation->Name;
            ASSERT_EQ(foundation->Pile.CardAt(i)->Suit, foundation->Pile.Bottom()->Suit)
                << foundation->Name;
        }
}

// Random play through the calls a player makes, with an Undo now and then. The table
// stays sound after every step, and undoing everything returns the dealt layout.
inline void PlayAtRandom(FreeCellGame& game, std::mt19937& random, int steps) {
    const auto dealt = table::Snapshot(game);
    std::vector<TCardPileView*> views;
    for (const auto& view : game.Views()) views.push_back(view.get());
    auto any = [&]() -> TCardPileView& { return *views[random() % views.size()]; };
    for (int step = 0; step < steps && !game.Won(); ++step) {
        SCOPED_TRACE(::testing::Message() << "step " << step);
        TCardPileView& from = any();
        switch (random() % 8) {
            case 0:
                game.DoubleClick(from);
                break;
            case 1:
                game.MouseDown(from, MouseButton::Middle, {}, 2, 2);
                break;
            case 2:
                if (!game.History().IsEmpty()) game.Undo();
                break;
            default: {
                const int count = from.Pile.GetCardCount();
                const int index =
                    count ? static_cast<int>(random() % static_cast<unsigned>(count)) : 0;
                table::Drag(game, from, index, {&any(), random() % 2 ? nullptr : &any()});
            }
        }
        ExpectSoundTable(game, DECK_SIZE);
        if (::testing::Test::HasFatalFailure()) return;
    }
    if (game.Won()) return;
    while (!game.History().IsEmpty()) game.Undo();
    EXPECT_EQ(game.MoveCount(), 0);
    EXPECT_EQ(table::Snapshot(game), dealt);
}

// The run lies alone in column 1, columns 2 and 3 stand empty, and `emptyCells` free
// cells are left open: cards from the run's k-th last up may be lifted exactly when
// k ≤ emptyCells + 1, for every k the run allows.
inline void ExpectLiftLimit(FreeCellGame& game, const Cards& run) {
    const int length = static_cast<int>(run.size());
    for (int emptyCells = 0; emptyCells <= 4; ++emptyCells)
        for (int lifted = 1; lifted <= length; ++lifted) {
            ClearTable(game);
            Lay(Nth(game.Columns(), 1), run);
            Lay(Nth(game.Columns(), 4), {{CS_CLUBS, CV_KING}});
            for (int cell = 1; cell <= 4 - emptyCells; ++cell)
                Lay(Nth(game.FreeCells(), cell), {{CS_DIAMONDS, CV_KING}});
            TCardPileView& column = Nth(game.Columns(), 1);
            table::Press(game, column, length - lifted);
            EXPECT_EQ(column.DragPermitted, lifted <= emptyCells + 1)
                << lifted << " cards with " << emptyCells << " empty free cells";
        }
}

}  // namespace free_cell_play
