#include <gtest/gtest.h>

#include <set>

#include "games/registry.h"

namespace {

TEST(RegistryTest, ListsTheTwelveGamesInLauncherOrderWithTheirThresholds) {
    const auto& games = GameRegistry();
    ASSERT_EQ(games.size(), 12u);
    EXPECT_EQ(games[3].listText, "Free Cell");
    EXPECT_EQ(games[3].constants.gameName, "FreeCell");
    std::set<int> topics;
    for (const GameEntry& game : games) {
        topics.insert(game.constants.helpTopic);
        const bool tenMoves = game.listText == "Forty Thieves" || game.listText == "Indian Patience" ||
                              game.listText == "Spider";
        EXPECT_EQ(game.constants.confirmationLimit, tenMoves ? 10 : 5) << game.listText;
        EXPECT_EQ(game.constants.winningScore,
                  game.listText == "Montana" ? 48 : 52 * game.constants.decks) << game.listText;
    }
    EXPECT_EQ(topics.size(), 12u);
    EXPECT_EQ(*topics.begin(), 1001);
}

// Large and small tables are the same game: the same views in the same order and roles.
TEST(RegistryTest, LargeAndSmallLayoutsAgreeOnEverythingButGeometry) {
    for (const GameEntry& game : GameRegistry()) {
        if (!game.Playable()) continue;
        const GameLayout* large = game.LayoutFor(CZ_LARGE);
        const GameLayout* small = game.LayoutFor(CZ_SMALL);
        ASSERT_TRUE(large && small) << game.listText;
        EXPECT_EQ(large->cardSize, CZ_LARGE);
        EXPECT_EQ(small->cardSize, CZ_SMALL);
        ASSERT_EQ(large->rows.size(), small->rows.size()) << game.listText;
        for (std::size_t i = 0; i < large->rows.size(); ++i) {
            const ViewRow& a = large->rows[i];
            const ViewRow& b = small->rows[i];
            EXPECT_EQ(a.name, b.name);
            EXPECT_EQ(a.role, b.role);
            EXPECT_EQ(a.count, b.count);
            EXPECT_EQ(a.firstNumber, b.firstNumber);
            EXPECT_EQ(a.bordered, b.bordered);
            EXPECT_EQ(a.allowDrag, b.allowDrag);
            EXPECT_EQ(a.hidden, b.hidden);
            EXPECT_EQ(a.state, b.state);
            EXPECT_EQ(a.xOffset, b.xOffset) << a.name;
        }
        EXPECT_EQ(small->placementSection, "s" + large->placementSection) << game.listText;
    }
}

}  // namespace
