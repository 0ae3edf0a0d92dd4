#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "cards/shuffle.h"
#include "games/freecell.h"
#include "services/profile.h"
#include "support/fake_host.h"
#include "support/free_cell_play.h"
#include "support/table_play.h"
#include "support/temp_settings.h"

namespace {

using namespace free_cell_play;

constexpr int kNone = CV_ACE - 1;  // a foundation left empty

// Keeps every caption the game sets, not only the latest.
class CaptionHost : public FakeHost {
  public:
    void SetCaption(const std::string& text) override {
        captions.push_back(text);
        FakeHost::SetCaption(text);
    }
    std::vector<std::string> captions;
};

class FreeCellTest : public ::testing::Test {
  protected:
    FreeCellTest() { Open(); }

    void Open(const GameLayout& layout = FreeCellLargeLayout()) {
        shuffle::FixNextDealSeed(4711);
        game = std::make_unique<FreeCellGame>(FreeCellGameRules(), layout, host, settings.File());
        game->Create();
    }

    TCardPileView& Column(int n) { return Nth(game->Columns(), n); }
    TCardPileView& Cell(int n) { return Nth(game->FreeCells(), n); }
    TCardPileView& Foundation(int n) { return Nth(game->Foundations(), n); }
    TProfile Section() const { return TProfile("FreeCell", settings.File()); }

    TempSettings settings;
    CaptionHost host;
    std::unique_ptr<FreeCellGame> game;
};

TEST_F(FreeCellTest, ANewDealFillsFourColumnsOfSevenAndFourOfSixFromTheDeckTop) {
    const TCardPile& deck = game->DealtDeck();
    ASSERT_EQ(deck.GetCardCount(), 52);
    for (int n = 1; n <= 8; ++n) {
        ASSERT_EQ(Column(n).Pile.GetCardCount(), n <= 4 ? 7 : 6) << "column " << n;
        for (const CardRef& card : Column(n).Pile.Cards) EXPECT_TRUE(card->FaceUp);
    }
    EXPECT_EQ(Column(1).Pile.Bottom(), deck.CardAt(51));
    EXPECT_EQ(Column(8).Pile.Bottom(), deck.CardAt(44));
    EXPECT_EQ(Column(1).Pile.CardAt(1), deck.CardAt(43));
    EXPECT_EQ(Column(4).Pile.Top(), deck.CardAt(0)) << "the last card closes row seven in column 4";
    for (int n = 1; n <= 4; ++n) {
        EXPECT_TRUE(Cell(n).Pile.IsEmpty());
        EXPECT_TRUE(Foundation(n).Pile.IsEmpty());
    }
    EXPECT_EQ(host.captions, (std::vector<std::string>{"Free Cell", "FreeCell"}));
    EXPECT_TRUE(host.sounds.empty()) << "the first deal of a window is quiet";
    EXPECT_FALSE(game->MenuItem("Undo1")->Enabled);
    EXPECT_EQ(game->MoveCount(), 0);
}

TEST_F(FreeCellTest, AnimatedDealsPaceSevenRowsAndRestartReplaysTheDeal) {
    const auto dealt = table::Snapshot(*game);
    MakeMoves(*game, 7);
    host.confirmAnswers = {true};
    game->RunCommand("Redeal1");
    EXPECT_EQ(host.questions, (std::vector<std::string>{"Restart this game of FreeCell?"}));
    EXPECT_EQ(table::Snapshot(*game), dealt);
    EXPECT_EQ(host.Count(Sound::Restart), 1);
    EXPECT_EQ(host.Count(Sound::Shuffle), 0);
    EXPECT_FALSE(Section().ReadInteger("GamesAttempted").has_value())
        << "a restarted game is not recorded";

    host.animation = true;
    game->NewGame();
    EXPECT_EQ(host.Count(Sound::Deal), 7);
    EXPECT_EQ(host.Count(Sound::Shuffle), 1);
}

TEST_F(FreeCellTest, ARunMayBeAsLongAsTheEmptyFreeCellsPlusOne) {
    ExpectLiftLimit(*game, {{CS_SPADES, CV_TEN},
                            {CS_HEARTS, CV_NINE},
                            {CS_CLUBS, CV_EIGHT},
                            {CS_DIAMONDS, CV_SEVEN},
                            {CS_SPADES, CV_SIX}});

    // Three cards with two cells open may go to an empty column.
    ClearTable(*game);
    Lay(Column(1),
        {{CS_SPADES, CV_TEN}, {CS_HEARTS, CV_NINE}, {CS_CLUBS, CV_EIGHT}, {CS_DIAMONDS, CV_SEVEN}});
    Lay(Cell(1), {{CS_CLUBS, CV_KING}});
    Lay(Cell(2), {{CS_DIAMONDS, CV_KING}});
    ASSERT_TRUE(table::Drag(*game, Column(1), 1, Column(6)));
    EXPECT_EQ(Column(6).Pile.GetCardCount(), 3);
    EXPECT_EQ(game->MoveCount(), 1);
}

TEST_F(FreeCellTest, ARunThatDoesNotAlternateInColourIsRefusedWhole) {
    ClearTable(*game);
    Lay(Column(1), {{CS_HEARTS, CV_EIGHT}, {CS_DIAMONDS, CV_SEVEN}, {CS_SPADES, CV_SIX}});
    Lay(Column(2), {{CS_HEARTS, CV_NINE}, {CS_CLUBS, CV_SEVEN}, {CS_DIAMONDS, CV_SIX}});
    struct Case {
        int column, index;
        bool allowed;
    } cases[] = {
        {1, 0, false},                               // two reds in a row
        {1, 1, true},  {1, 2, true}, {2, 0, false},  // a gap in rank
        {2, 1, true},
    };
    for (const Case& c : cases) {
        table::Press(*game, Column(c.column), c.index);
        EXPECT_EQ(Column(c.column).DragPermitted, c.allowed) << c.column << "/" << c.index;
    }
}

TEST_F(FreeCellTest, DropTestsOfColumnsFreeCellsAndFoundations) {
    struct Case {
        const char* name;
        Cards moving;
        TCardPileView* (*target)(FreeCellGame&);
        Cards targetHolds;
        bool accepted;
    };
    auto column2 = [](FreeCellGame& g) { return &Nth(g.Columns(), 2); };
    auto cell2 = [](FreeCellGame& g) { return &Nth(g.FreeCells(), 2); };
    auto foundation1 = [](FreeCellGame& g) { return &Nth(g.Foundations(), 1); };
    const Case cases[] = {
        {"a Five to an empty column", {{CS_HEARTS, CV_FIVE}}, column2, {}, true},
        {"red Six on black Seven", {{CS_HEARTS, CV_SIX}}, column2, {{CS_CLUBS, CV_SEVEN}}, true},
        {"red Six on red Seven", {{CS_HEARTS, CV_SIX}}, column2, {{CS_DIAMONDS, CV_SEVEN}}, false},
        {"red Five on black Seven", {{CS_HEARTS, CV_FIVE}}, column2, {{CS_CLUBS, CV_SEVEN}}, false},
        {"two cards to a free cell", {{CS_HEARTS, CV_SIX}, {CS_CLUBS, CV_FIVE}}, cell2, {}, false},
        {"a card to a full free cell", {{CS_HEARTS, CV_SIX}}, cell2, {{CS_CLUBS, CV_KING}}, false},
        {"a card to an empty free cell", {{CS_HEARTS, CV_SIX}}, cell2, {}, true},
        {"a Two to an empty foundation", {{CS_CLUBS, CV_TWO}}, foundation1, {}, false},
        {"an Ace to an empty foundation", {{CS_CLUBS, CV_ACE}}, foundation1, {}, true},
        {"the next Club", {{CS_CLUBS, CV_TWO}}, foundation1, {{CS_CLUBS, CV_ACE}}, true},
        {"a Two of another suit", {{CS_SPADES, CV_TWO}}, foundation1, {{CS_CLUBS, CV_ACE}}, false},
        {"two cards to a foundation",
         {{CS_CLUBS, CV_TWO}, {CS_HEARTS, CV_ACE}},
         foundation1,
         {{CS_CLUBS, CV_ACE}},
         false},
    };
    for (const Case& c : cases) {
        ClearTable(*game);
        TCardPileView& target = *c.target(*game);
        // Every other column holds an Ace, so no default destination catches a refused drop.
        for (int n = 2; n <= 8; ++n)
            if (&Column(n) != &target) Lay(Column(n), {{CS_DIAMONDS, CV_ACE}});
        Lay(target, c.targetHolds);
        Lay(Cell(1), {{CS_SPADES, CV_QUEEN}});  // two cells open: a two-card run may lift
        Lay(Cell(3), {{CS_SPADES, CV_JACK}});
        Lay(Column(1), c.moving);
        const CardRef movingTop = Column(1).Pile.Top();
        ASSERT_TRUE(table::Drag(*game, Column(1), 0, target)) << c.name;
        EXPECT_EQ(Column(1).Pile.IsEmpty(), c.accepted) << c.name;
        EXPECT_EQ(target.Pile.Top() == movingTop, c.accepted) << c.name;
    }

    // From one free cell to another empty one, not onto itself.
    ClearTable(*game);
    for (int n = 1; n <= 8; ++n) Lay(Column(n), {{CS_DIAMONDS, CV_ACE}});
    Lay(Cell(3), {{CS_HEARTS, CV_NINE}});
    const int moves = game->MoveCount();
    ASSERT_TRUE(table::Drag(*game, Cell(3), 0, Cell(3)));
    EXPECT_EQ(Cell(3).Pile.GetCardCount(), 1);
    EXPECT_EQ(game->MoveCount(), moves);
    ASSERT_TRUE(table::Drag(*game, Cell(3), 0, Cell(4)));
    EXPECT_EQ(Cell(4).Pile.GetCardCount(), 1);
    EXPECT_EQ(game->MoveCount(), moves + 1);
    table::Press(*game, Foundation(1), PILE_TOP);
    EXPECT_FALSE(game->StartDrag(Foundation(1))) << "foundation cards never lift";
}

TEST_F(FreeCellTest, SendHomeGoesToAFoundationElseToTheFirstEmptyFreeCell) {
    ClearTable(*game);
    BuildFoundations(*game, {CV_SIX, CV_FIVE, kNone, kNone});
    Lay(Column(1), {{CS_CLUBS, CV_SEVEN}});
    Lay(Column(2), {{CS_SPADES, CV_SEVEN}});
    Lay(Column(3), {{CS_HEARTS, CV_ACE}, {CS_DIAMONDS, CV_ACE}});

    game->DoubleClick(Column(1));
    EXPECT_EQ(Foundation(1).Pile.GetCardCount(), 7);
    EXPECT_EQ(host.caption, "FreeCell   Score: 12");
    EXPECT_EQ(host.Count(Sound::Autoplay), 1);

    game->DoubleClick(Column(2));  // its foundation shows a Five
    EXPECT_EQ(Cell(1).Pile.GetCardCount(), 1);
    EXPECT_EQ(host.Count(Sound::Autoplay), 1) << "a move to a free cell is silent";

    game->MouseDown(Column(3), MouseButton::Middle, {}, 2, 2);
    EXPECT_EQ(Foundation(3).Pile.Top()->Suit, CS_DIAMONDS)
        << "an Ace goes to the first empty foundation";
    table::Press(*game, Column(3), PILE_TOP, Modifiers{true, false});
    EXPECT_FALSE(game->StartDrag(Column(3)));
    EXPECT_EQ(Foundation(4).Pile.Top()->Suit, CS_HEARTS);
    EXPECT_EQ(game->MoveCount(), 4);
    EXPECT_EQ(host.Count(Sound::Autoplay), 3);

    // From free cell 3 to the first empty free cell, and the middle button on a cell does nothing.
    ClearTable(*game);
    Lay(Cell(2), {{CS_CLUBS, CV_KING}});
    Lay(Cell(3), {{CS_HEARTS, CV_NINE}});
    game->MouseDown(Cell(3), MouseButton::Middle, {}, 2, 2);
    EXPECT_EQ(Cell(3).Pile.GetCardCount(), 1);
    game->DoubleClick(Cell(3));
    EXPECT_EQ(Cell(1).Pile.Top()->Value, CV_NINE);
    EXPECT_TRUE(Cell(3).Pile.IsEmpty());

    // With every cell full nothing moves and no move is counted; nor does a spare Ace park.
    Lay(Cell(3), {{CS_HEARTS, CV_TEN}});
    Lay(Cell(4), {{CS_HEARTS, CV_JACK}});
    Lay(Column(5), {{CS_SPADES, CV_FOUR}});
    const int moves = game->MoveCount();
    game->DoubleClick(Column(5));
    game->DoubleClick(Cell(4));
    EXPECT_EQ(Column(5).Pile.GetCardCount(), 1);
    EXPECT_EQ(game->MoveCount(), moves);
    BuildFoundations(*game, {CV_ACE, CV_ACE, CV_ACE, CV_ACE});
    Cell(1).Pile.Empty(false);
    Lay(Column(6), {{CS_CLUBS, CV_ACE}});  // a second Ace of Clubs, with every foundation taken
    game->DoubleClick(Column(6));
    EXPECT_TRUE(Cell(1).Pile.IsEmpty());
    EXPECT_EQ(Column(6).Pile.GetCardCount(), 1);
}

TEST_F(FreeCellTest, TheDestinationIsTheLastAcceptingPileElseABuiltColumnBeforeAnEmptyOne) {
    ClearTable(*game);
    Lay(Column(1), {{CS_CLUBS, CV_JACK}});
    Lay(Column(3), {{CS_SPADES, CV_FIVE}});
    Lay(Column(5), {{CS_DIAMONDS, CV_QUEEN}});
    Lay(Column(6), {{CS_HEARTS, CV_QUEEN}});
    Lay(Column(7), {{CS_HEARTS, CV_EIGHT}});
    Lay(Column(8), {{CS_CLUBS, CV_TEN}});

    // Passed over the Queen of Hearts, then a refusing column and a free cell it never
    // entered, released over the table: it lands on that Queen.
    ASSERT_TRUE(table::Drag(*game, Column(1), 0, {&Column(6), &Column(3), nullptr}));
    EXPECT_EQ(Column(6).Pile.GetCardCount(), 2);

    // Released at once: the first built column that takes it, not the empty column 1.
    ASSERT_TRUE(table::Drag(*game, Column(6), 1, {nullptr}));
    EXPECT_EQ(Column(5).Pile.GetCardCount(), 2);

    // No built column takes the Eight: the first empty column does; never a free cell.
    ASSERT_TRUE(table::Drag(*game, Column(7), 0, {nullptr}));
    EXPECT_EQ(Column(1).Pile.GetCardCount(), 1);
    EXPECT_EQ(game->MoveCount(), 3);

    // Nothing takes it but the empty free cells, which are never chosen unless passed
    // over: the card goes back and nothing is counted or recorded.
    for (int n : {2, 4, 6, 7}) Lay(Column(n), {{CS_SPADES, CV_ACE}});
    ASSERT_TRUE(table::Drag(*game, Column(8), 0, {nullptr, &Column(2)}));
    EXPECT_EQ(Column(8).Pile.GetCardCount(), 1);
    EXPECT_EQ(game->MoveCount(), 3);
    EXPECT_EQ(game->History().RecordCount(), 3);
    EXPECT_EQ(host.Count(Sound::Autoplay), 0) << "drags are silent";
}

TEST_F(FreeCellTest, AutoplayChainsEachMoveItsOwnUndoRecord) {
    game->RunCommand("Autoplay1");
    EXPECT_EQ(Section().ReadBoolean("Autoplay"), true);
    ClearTable(*game);
    Lay(Column(1), {{CS_CLUBS, CV_ACE}, {CS_DIAMONDS, CV_NINE}});
    Lay(Column(2), {{CS_SPADES, CV_TEN}});
    Lay(Column(3), {{CS_CLUBS, CV_THREE}});
    Lay(Cell(4), {{CS_CLUBS, CV_TWO}});

    // Uncovering the Ace sends it home; the Two follows from its free cell, the Three from its
    // column.
    ASSERT_TRUE(table::Drag(*game, Column(1), 1, Column(2)));
    EXPECT_EQ(game->Score(), 3);
    EXPECT_EQ(game->MoveCount(), 4);
    EXPECT_EQ(game->History().RecordCount(), 4);
    EXPECT_EQ(host.Count(Sound::Autoplay), 3);

    game->RunCommand("Undo1");
    EXPECT_EQ(Column(3).Pile.GetCardCount(), 1) << "the Three is back";
    EXPECT_EQ(game->Score(), 2) << "and stays back: undo runs no pass";
    EXPECT_EQ(host.caption, "FreeCell   Score: 2");
    game->Undo();
    game->Undo();
    EXPECT_EQ(Column(1).Pile.GetCardCount(), 1);
    EXPECT_EQ(Cell(4).Pile.GetCardCount(), 1);
    EXPECT_EQ(game->MoveCount(), 1);
    EXPECT_EQ(host.Count(Sound::Undo), 3);

    // The next move runs the pass again.
    Lay(Column(5), {{CS_HEARTS, CV_KING}});
    game->DoubleClick(Column(5));
    EXPECT_EQ(game->Score(), 3);
}

TEST_F(FreeCellTest, ConfirmationsAskAtTheirOwnThresholds) {
    MakeMoves(*game, 4);
    EXPECT_TRUE(game->CloseQuery());
    EXPECT_TRUE(host.questions.empty());
    MakeMoves(*game, 1);
    game->NewGame();  // exactly five: neither asks nor records
    EXPECT_TRUE(host.questions.empty());
    EXPECT_FALSE(Section().ReadInteger("GamesAttempted").has_value());

    MakeMoves(*game, 5);
    host.confirmAnswers = {false};
    EXPECT_FALSE(game->CloseQuery());
    EXPECT_EQ(host.questions.back(), "Quit this game of FreeCell?");
    EXPECT_FALSE(host.closeAllowed);
    MakeMoves(*game, 1);
    const auto before = table::Snapshot(*game);
    host.confirmAnswers = {false, false};
    game->NewGame();
    game->RunCommand("Redeal1");
    EXPECT_EQ(host.questions, (std::vector<std::string>{"Quit this game of FreeCell?",
                                                        "Quit this game of FreeCell?",
                                                        "Restart this game of FreeCell?"}));
    EXPECT_EQ(table::Snapshot(*game), before);
    host.confirmAnswers = {true};
    game->NewGame();
    EXPECT_EQ(Section().ReadInteger("GamesAttempted"), 1);
    EXPECT_EQ(Section().ReadBoolean("LastGame"), false);
}

// The last King goes up by autoplay; the win window's New Game then gets its own
// pass at once.
TEST_F(FreeCellTest, AScriptedWinRecordsOnceAndItsNewDealGetsAnAutoplayPass) {
    const std::uint32_t aceOnTop =
        SeedWithAnAceOnTop(FreeCellGameRules(), FreeCellLargeLayout(), settings.File());
    ClearTable(*game);
    BuildFoundations(*game, {CV_KING, CV_KING, CV_KING, CV_JACK});
    Lay(Column(1), {{CS_HEARTS, CV_QUEEN}});
    Lay(Cell(1), {{CS_HEARTS, CV_KING}});
    MakeMoves(*game, 6);  // the King hops from cell to cell and ends in cell 1
    ASSERT_EQ(Cell(1).Pile.GetCardCount(), 1);
    game->ToggleAutoplay();
    host.winAnswer = WIN_NEW_GAME;
    shuffle::FixNextDealSeed(aceOnTop);
    ASSERT_TRUE(table::Drag(*game, Column(1), 0, Foundation(4)));

    EXPECT_EQ(host.winWindows, 1);
    EXPECT_TRUE(host.questions.empty()) << "a won game is left without asking";
    EXPECT_EQ(host.Count(Sound::Autoplay), 1 + game->Score())
        << "the drag was silent, each autoplay move was not";
    EXPECT_EQ(Section().ReadInteger("GamesWon"), 1);
    EXPECT_EQ(Section().ReadInteger("GamesAttempted"), 1);
    EXPECT_GE(game->Score(), 1) << "the new deal's Aces went home at once";
    EXPECT_EQ(game->MoveCount(), game->Score());
    EXPECT_EQ(game->History().RecordCount(), game->Score());
    EXPECT_EQ(table::CardsOnTable(*game), 52);
}

TEST_F(FreeCellTest, AfterTheWinUndoIsOffAndNothingIsAsked) {
    ClearTable(*game);
    BuildFoundations(*game, {CV_KING, CV_KING, CV_KING, CV_JACK});
    Lay(Column(7), {{CS_HEARTS, CV_QUEEN}});
    Lay(Column(8), {{CS_HEARTS, CV_KING}});
    MakeMoves(*game, 6);
    game->DoubleClick(Column(7));
    for (TCardPileView* cell : game->FreeCells()) game->DoubleClick(*cell);
    EXPECT_TRUE(game->Won());
    EXPECT_EQ(host.caption, "FreeCell   Score: 52");
    EXPECT_FALSE(game->MenuItem("Undo1")->Enabled);
    EXPECT_TRUE(game->CloseQuery());
    game->RunCommand("Redeal1");
    EXPECT_TRUE(host.questions.empty());
    EXPECT_EQ(Section().ReadInteger("GamesWon"), 1);
}

TEST_F(FreeCellTest, ColumnsReachTheBottomAndTheWidthStaysFixed) {
    game->Resize(700);
    EXPECT_EQ(Column(8).Height, 700 - 148);
    EXPECT_TRUE(game->Layout().fixedWidth);
    EXPECT_EQ(game->Layout().minimumHeight, 480);
    Open(FreeCellSmallLayout());
    game->Resize(500);
    EXPECT_EQ(Column(1).Height, 500 - 109);
    EXPECT_EQ(game->Layout().minimumHeight, 300);
}

TEST(FreeCellRandomPlayTest, CardsAreNeverLostAndUndoReturnsTheDeal) {
    TempSettings settings;
    FakeHost host;
    std::mt19937 random(11);
    for (int round = 0; round < 24; ++round) {
        SCOPED_TRACE(::testing::Message() << "round " << round);
        shuffle::FixNextDealSeed(static_cast<std::uint32_t>(round * 7919 + 3));
        FreeCellGame game(FreeCellGameRules(),
                          round % 2 ? FreeCellSmallLayout() : FreeCellLargeLayout(), host,
                          settings.File());
        game.Create();
        if (round % 3 == 0) game.ToggleAutoplay();
        PlayAtRandom(game, random, 400);
    }
}

}  // namespace
