#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "cards/shuffle.h"
#include "games/registry.h"
#include "games/sea_towers.h"
#include "services/profile.h"
#include "support/fake_host.h"
#include "support/free_cell_play.h"
#include "support/table_play.h"
#include "support/temp_settings.h"

namespace {

using namespace free_cell_play;

class SeaTowersTest : public ::testing::Test {
  protected:
    SeaTowersTest() { Open(); }

    void Open(const GameLayout& layout = SeaTowersLargeLayout()) {
        shuffle::FixNextDealSeed(1234);
        game = std::make_unique<FreeCellGame>(SeaTowersGameRules(), layout, host, settings.File());
        game->Create();
    }

    TCardPileView& Column(int n) { return Nth(game->Columns(), n); }
    TCardPileView& Cell(int n) { return Nth(game->FreeCells(), n); }
    TCardPileView& Foundation(int n) { return Nth(game->Foundations(), n); }
    TProfile Section() const { return TProfile("SeaHavenTowers", settings.File()); }

    TempSettings settings;
    FakeHost host;
    std::unique_ptr<FreeCellGame> game;
};

TEST_F(SeaTowersTest, ANewDealFillsTenColumnsOfFiveAndLeavesTwoCardsInFreeCells) {
    const TCardPile& deck = game->DealtDeck();
    for (int n = 1; n <= 10; ++n) {
        ASSERT_EQ(Column(n).Pile.GetCardCount(), 5) << "column " << n;
        for (const CardRef& card : Column(n).Pile.Cards) EXPECT_TRUE(card->FaceUp);
    }
    EXPECT_EQ(Column(1).Pile.Bottom(), deck.CardAt(51));
    EXPECT_EQ(Column(10).Pile.Bottom(), deck.CardAt(42));
    EXPECT_EQ(Column(10).Pile.Top(), deck.CardAt(2));
    EXPECT_EQ(Cell(3).Pile.Cards, (std::vector<CardRef>{deck.CardAt(1)})) << "the 51st card";
    EXPECT_EQ(Cell(2).Pile.Cards, (std::vector<CardRef>{deck.CardAt(0)})) << "the 52nd card";
    EXPECT_TRUE(Cell(2).Pile.Top()->FaceUp && Cell(3).Pile.Top()->FaceUp);
    EXPECT_TRUE(Cell(1).Pile.IsEmpty());
    EXPECT_TRUE(Cell(4).Pile.IsEmpty());
    EXPECT_EQ(host.caption, "Sea Towers");
    EXPECT_TRUE(host.sounds.empty());

    host.animation = true;
    game->NewGame();
    EXPECT_EQ(host.Count(Sound::Deal), 5);
    EXPECT_EQ(table::CardsOnTable(*game), 52);
}

TEST_F(SeaTowersTest, FoundationsStandAtBothEndsAndAreScannedInTheirNumbering) {
    std::vector<int> lefts;
    for (TCardPileView* foundation : game->Foundations()) lefts.push_back(foundation->Left);
    EXPECT_EQ(lefts, (std::vector<int>{8, 96, 712, 800}));
    EXPECT_EQ(Foundation(3).Name, "FoundPileView3");
    Open(SeaTowersSmallLayout());
    EXPECT_EQ(Foundation(4).Left, 656);
    EXPECT_EQ(Foundation(4).Name, "FoundPileView4");

    // Aces fill the foundations by number, so the third goes to the right end.
    ClearTable(*game);
    Lay(Column(1), {{CS_HEARTS, CV_ACE}, {CS_SPADES, CV_ACE}, {CS_CLUBS, CV_ACE}});
    for (int i = 0; i < 3; ++i) game->DoubleClick(Column(1));
    EXPECT_EQ(Foundation(3).Pile.Top()->Suit, CS_HEARTS);
    EXPECT_TRUE(Foundation(4).Pile.IsEmpty());
}

TEST_F(SeaTowersTest, RunsInSuitLiftUpToTheEmptyFreeCellsPlusOne) {
    ExpectLiftLimit(*game, {{CS_SPADES, CV_TEN},
                            {CS_SPADES, CV_NINE},
                            {CS_SPADES, CV_EIGHT},
                            {CS_SPADES, CV_SEVEN},
                            {CS_SPADES, CV_SIX}});
}

TEST_F(SeaTowersTest, ARunThatChangesSuitIsRefusedWhole) {
    ClearTable(*game);
    Lay(Column(1), {{CS_HEARTS, CV_EIGHT},
                    {CS_CLUBS, CV_SEVEN},
                    {CS_CLUBS, CV_SIX}});  // alternates, not in suit
    Lay(Column(2), {{CS_HEARTS, CV_EIGHT}, {CS_DIAMONDS, CV_SEVEN}, {CS_DIAMONDS, CV_SIX}});
    for (int n : {1, 2}) {
        table::Press(*game, Column(n), 0);
        EXPECT_FALSE(Column(n).DragPermitted) << n;
        table::Press(*game, Column(n), 1);
        EXPECT_TRUE(Column(n).DragPermitted) << n;
    }
}

TEST_F(SeaTowersTest, OnlyKingsFillEmptyColumnsAndColumnsBuildInSuit) {
    struct Case {
        const char* name;
        Cards moving;
        Cards target;
        bool accepted;
    } cases[] = {
        {"a Queen to an empty column", {{CS_HEARTS, CV_QUEEN}}, {}, false},
        {"a King to an empty column", {{CS_HEARTS, CV_KING}}, {}, true},
        {"a run headed by a King", {{CS_HEARTS, CV_KING}, {CS_HEARTS, CV_QUEEN}}, {}, true},
        {"a black Six on a red Seven", {{CS_CLUBS, CV_SIX}}, {{CS_HEARTS, CV_SEVEN}}, false},
        {"a red Six of another suit", {{CS_DIAMONDS, CV_SIX}}, {{CS_HEARTS, CV_SEVEN}}, false},
        {"the Six of the Seven's suit", {{CS_HEARTS, CV_SIX}}, {{CS_HEARTS, CV_SEVEN}}, true},
    };
    for (const Case& c : cases) {
        ClearTable(*game);
        for (int n = 3; n <= 10; ++n) Lay(Column(n), {{CS_DIAMONDS, CV_ACE}});
        Lay(Column(2), c.target);
        Lay(Column(1), c.moving);
        ASSERT_TRUE(table::Drag(*game, Column(1), 0, Column(2))) << c.name;
        EXPECT_EQ(
            Column(2).Pile.GetCardCount() == static_cast<int>(c.target.size() + c.moving.size()),
            c.accepted)
            << c.name;
        EXPECT_EQ(Column(1).Pile.IsEmpty(), c.accepted) << c.name;
    }
}

TEST_F(SeaTowersTest, ReleasedOverTheTableACardGoesToAColumnThenAFoundationElseBack) {
    ClearTable(*game);
    BuildFoundations(*game, {CV_FIVE, CV_ACE, CV_ACE, CV_ACE});
    Lay(Column(1), {{CS_CLUBS, CV_SIX}});
    Lay(Column(2), {{CS_HEARTS, CV_KING}});
    Lay(Column(5), {{CS_CLUBS, CV_SEVEN}});
    Lay(Column(7), {{CS_SPADES, CV_QUEEN}});

    ASSERT_TRUE(table::Drag(*game, Column(1), 0, {nullptr}));
    EXPECT_EQ(Column(5).Pile.GetCardCount(), 2)
        << "a column before the foundation that also takes it";
    ASSERT_TRUE(table::Drag(*game, Column(5), 1, {nullptr}));
    EXPECT_EQ(Column(5).Pile.GetCardCount(), 1) << "then only the foundation takes it";
    EXPECT_EQ(Foundation(1).Pile.GetCardCount(), 6);
    ASSERT_TRUE(table::Drag(*game, Column(2), 0, {nullptr}));
    EXPECT_EQ(Column(1).Pile.GetCardCount(), 1) << "a King to the first empty column";
    ASSERT_TRUE(table::Drag(*game, Column(7), 0, {nullptr}));
    EXPECT_EQ(Column(7).Pile.GetCardCount(), 1) << "a Queen with nowhere to go returns";
    EXPECT_EQ(game->MoveCount(), 3);
}

TEST_F(SeaTowersTest, SendHomeParksInTheFirstEmptyFreeCellAndChangesNothingWhenAllAreFull) {
    ClearTable(*game);
    Lay(Column(1), {{CS_HEARTS, CV_NINE}});
    Lay(Cell(1), {{CS_CLUBS, CV_KING}});
    Lay(Cell(3), {{CS_CLUBS, CV_QUEEN}});
    game->MouseDown(Column(1), MouseButton::Middle, {}, 2, 2);
    EXPECT_EQ(Cell(2).Pile.GetCardCount(), 1);
    game->DoubleClick(Cell(3));
    EXPECT_EQ(Cell(4).Pile.Top()->Value, CV_QUEEN);
    Lay(Cell(3), {{CS_CLUBS, CV_JACK}});
    const auto full = table::Snapshot(*game);
    game->DoubleClick(Cell(3));
    EXPECT_EQ(table::Snapshot(*game), full);
    EXPECT_EQ(game->MoveCount(), 2);
    EXPECT_TRUE(host.sounds.empty());
}

TEST_F(SeaTowersTest, ConfirmationTextsNameSeaTowersAndSettingsLiveInItsSection) {
    MakeMoves(*game, 4);
    EXPECT_TRUE(game->CloseQuery());
    MakeMoves(*game, 2);
    host.confirmAnswers = {false, false, true};
    game->RunCommand("Redeal1");
    EXPECT_FALSE(game->CloseQuery());
    EXPECT_EQ(host.questions, (std::vector<std::string>{"Restart this game of Sea Towers?",
                                                        "Quit this game of Sea Towers?"}));
    EXPECT_EQ(game->MoveCount(), 6);
    game->RunCommand("NewGame1");
    EXPECT_EQ(host.questions.back(), "Quit this game of Sea Towers?");
    EXPECT_EQ(Section().ReadInteger("GamesAttempted"), 1);
    game->RunCommand("Autoplay1");
    EXPECT_EQ(Section().ReadBoolean("Autoplay"), true);
    game->RunCommand("About1");
    EXPECT_EQ(host.helpTopics, (std::vector<int>{1011}));

    const GameEntry& entry = *FindGame("Sea Towers");
    EXPECT_EQ(entry.largeWindowClass, "TSeaHavenForm");
    EXPECT_EQ(entry.smallWindowClass, "TsSeaHavenForm");
    EXPECT_EQ(entry.LayoutFor(CZ_SMALL)->placementSection, "sSeaHavenTowers");
    EXPECT_FALSE(entry.fitsSvga);
}

// The last King goes up by autoplay, in the middle of a pass: the win window's New
// Game deals a table that no pass touches, not even the one the win interrupted.
TEST_F(SeaTowersTest, AScriptedWinIsFollowedByNoAutoplayPass) {
    const std::uint32_t aceOnTop =
        SeedWithAnAceOnTop(SeaTowersGameRules(), SeaTowersLargeLayout(), settings.File());
    ClearTable(*game);
    BuildFoundations(*game, {CV_KING, CV_KING, CV_JACK, CV_KING});
    Lay(Column(4), {{CS_DIAMONDS, CV_QUEEN}});
    Lay(Cell(1), {{CS_DIAMONDS, CV_KING}});
    MakeMoves(*game, 6);
    ASSERT_EQ(Cell(1).Pile.GetCardCount(), 1);
    game->ToggleAutoplay();
    host.winAnswer = WIN_NEW_GAME;
    shuffle::FixNextDealSeed(aceOnTop);
    game->DoubleClick(Column(4));

    EXPECT_EQ(host.winWindows, 1);
    EXPECT_EQ(Section().ReadInteger("GamesWon"), 1);
    EXPECT_EQ(game->Score(), 0);
    EXPECT_EQ(game->MoveCount(), 0);
    EXPECT_TRUE(game->History().IsEmpty());
    EXPECT_EQ(host.caption, "Sea Towers");
}

TEST_F(SeaTowersTest, AfterTheWinTheTableStaysWithUndoOff) {
    ClearTable(*game);
    BuildFoundations(*game, {CV_KING, CV_QUEEN, CV_KING, CV_KING});
    Lay(Column(10), {{CS_SPADES, CV_KING}});
    game->DoubleClick(Column(10));
    EXPECT_TRUE(game->Won());
    EXPECT_EQ(host.caption, "Sea Towers   Score: 52");
    EXPECT_FALSE(game->MenuItem("Undo1")->Enabled);
    EXPECT_FALSE(Section().ReadInteger("GamesAttempted").has_value()) << "one move does not count";
}

TEST_F(SeaTowersTest, ColumnsReachTheBottom) {
    game->Resize(600);
    EXPECT_EQ(Column(10).Height, 600 - 142);
    Open(SeaTowersSmallLayout());
    game->Resize(500);
    EXPECT_EQ(Column(1).Height, 500 - 110);
    EXPECT_EQ(game->Layout().minimumHeight, 360);
}

TEST(SeaTowersRandomPlayTest, CardsAreNeverLostAndUndoReturnsTheDeal) {
    TempSettings settings;
    FakeHost host;
    std::mt19937 random(5);
    for (int round = 0; round < 24; ++round) {
        SCOPED_TRACE(::testing::Message() << "round " << round);
        shuffle::FixNextDealSeed(static_cast<std::uint32_t>(round * 104729 + 17));
        FreeCellGame game(SeaTowersGameRules(),
                          round % 2 ? SeaTowersSmallLayout() : SeaTowersLargeLayout(), host,
                          settings.File());
        game.Create();
        if (round % 3 == 0) game.ToggleAutoplay();
        PlayAtRandom(game, random, 400);
    }
}

}  // namespace
