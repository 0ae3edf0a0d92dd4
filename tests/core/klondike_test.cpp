#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <cstdlib>
#include <set>

#include "cards/shuffle.h"
#include "games/klondike.h"
#include "services/profile.h"
#include "support/fake_host.h"
#include "support/table_play.h"
#include "support/temp_settings.h"

namespace {

CardRef Card(int suit, int value, bool faceUp = true) { return std::make_shared<TCard>(suit, value, faceUp); }

class KlondikeTest : public ::testing::Test {
protected:
    KlondikeTest() { Open(); }

    void Open(const GameLayout& layout = KlondikeLargeLayout()) {
        shuffle::FixNextDealSeed(20261211);
        game = std::make_unique<KlondikeGame>(layout, host, settings.File());
        game->Create();
    }

    // Clears the table so that a test can lay out its own position.
    void ClearTable() {
        for (const auto& view : game->Views()) view->Pile.Empty(true);
    }

    void Press(TCardPileView& view, int index) { table::Press(*game, view, index); }

    void MakeMoves(int count) {
        for (int i = 0; i < count; ++i) game->StockClick();
    }

    TCardPileView& Column(int n) { return *game->Columns()[static_cast<std::size_t>(n - 1)]; }
    TCardPileView& Foundation(int n) { return *game->Foundations()[static_cast<std::size_t>(n - 1)]; }
    TCardPileView& Stock() { return game->StockView(); }
    TCardPileView& Waste() { return game->WasteView(); }
    TCardPileView& Recycle() { return game->RecycleView(); }

    TempSettings settings;
    FakeHost host;
    std::unique_ptr<KlondikeGame> game;
};

TEST_F(KlondikeTest, ANewDealLaysSevenColumnsWithOneCardUpAndTwentyFourInTheStock) {
    for (int n = 1; n <= 7; ++n) {
        const TCardPile& pile = Column(n).Pile;
        ASSERT_EQ(pile.GetCardCount(), n);
        for (int i = 0; i < n; ++i) EXPECT_EQ(pile.CardAt(i)->FaceUp, i == n - 1) << "column " << n;
    }
    EXPECT_EQ(Stock().Pile.GetCardCount(), 24);
    for (const CardRef& card : Stock().Pile.Cards) EXPECT_FALSE(card->FaceUp);
    EXPECT_EQ(Stock().Hint, "24");
    EXPECT_TRUE(Stock().ShowHint);
    EXPECT_EQ(host.caption, "Klondike");
    EXPECT_EQ(game->MoveCount(), 0);
    EXPECT_FALSE(game->MenuItem("Undo1")->Enabled);
    EXPECT_TRUE(host.sounds.empty()) << "the first deal of a window is quiet";
    EXPECT_EQ(game->DealtDeck().GetCardCount(), 52);
    EXPECT_FALSE(Recycle().Visible);
}

TEST_F(KlondikeTest, DealsFollowTheDealtDeckFromItsTop) {
    const TCardPile& deck = game->DealtDeck();
    EXPECT_EQ(Column(1).Pile.CardAt(0), deck.CardAt(51));
    EXPECT_EQ(Column(2).Pile.CardAt(0), deck.CardAt(50));
    EXPECT_EQ(Column(7).Pile.CardAt(0), deck.CardAt(45));
    EXPECT_EQ(Column(2).Pile.CardAt(1), deck.CardAt(44));
    EXPECT_EQ(Stock().Pile.Top(), deck.CardAt(23));
}

TEST_F(KlondikeTest, DrawThreeTurnsThreeAtATimeAndRecyclesIntoTheSameOrder) {
    const std::vector<CardRef> stockBefore = Stock().Pile.Cards;
    game->StockClick();
    EXPECT_EQ(Waste().Pile.GetCardCount(), 3);
    EXPECT_EQ(Recycle().Pile.GetCardCount(), 0);
    EXPECT_EQ(Waste().Pile.Top(), stockBefore[21]) << "the third card turned lies on top";
    EXPECT_EQ(Waste().Pile.Bottom(), stockBefore[23]);
    game->StockClick();
    EXPECT_EQ(Waste().Pile.GetCardCount(), 3);
    EXPECT_EQ(Recycle().Pile.GetCardCount(), 3);
    MakeMoves(6);
    EXPECT_TRUE(Stock().Pile.IsEmpty());
    EXPECT_EQ(Stock().State, FS_RECYCLE);
    EXPECT_FALSE(Stock().ShowHint);
    EXPECT_EQ(game->MoveCount(), 8);

    game->StockClick();  // the ninth turns the stock over and draws again
    ASSERT_EQ(Stock().Pile.GetCardCount(), 21);
    for (int i = 0; i < 21; ++i) {
        EXPECT_EQ(Stock().Pile.CardAt(i), stockBefore[static_cast<std::size_t>(i)]);
        EXPECT_FALSE(Stock().Pile.CardAt(i)->FaceUp);
    }
    EXPECT_EQ(Waste().Pile.Top(), stockBefore[21]);
    EXPECT_EQ(Waste().Pile.GetCardCount(), 3);
    EXPECT_TRUE(Recycle().Pile.IsEmpty());
    EXPECT_EQ(host.Count(Sound::Stock), 9);
}

TEST_F(KlondikeTest, PlayingTheWholeWasteBringsBackTheMostRecentOlderCards) {
    ClearTable();
    const CardRef older1 = Card(CS_CLUBS, CV_NINE), older2 = Card(CS_CLUBS, CV_TEN), older3 = Card(CS_CLUBS, CV_JACK),
                  older4 = Card(CS_CLUBS, CV_QUEEN);
    for (const CardRef& card : {older1, older2, older3, older4}) Recycle().Pile.AddCard(card);
    Waste().Pile.AddCard(Card(CS_HEARTS, CV_ACE));
    Waste().Pile.AddCard(Card(CS_HEARTS, CV_TWO));
    Waste().Pile.AddCard(Card(CS_HEARTS, CV_THREE));
    Stock().Pile.AddCard(Card(CS_SPADES, CV_KING, false));

    game->DoubleClick(Waste());
    EXPECT_EQ(Waste().Pile.GetCardCount(), 3) << "the Ace is at the bottom; nothing moves";
    Foundation(1).Pile.AddCard(Card(CS_HEARTS, CV_ACE));
    Foundation(1).Pile.AddCard(Card(CS_HEARTS, CV_TWO));
    Waste().Pile.Empty(false);
    Waste().Pile.AddCard(Card(CS_HEARTS, CV_FIVE));
    Waste().Pile.AddCard(Card(CS_HEARTS, CV_FOUR));
    Waste().Pile.AddCard(Card(CS_HEARTS, CV_THREE));
    game->DoubleClick(Waste());
    game->DoubleClick(Waste());
    EXPECT_EQ(Waste().Pile.GetCardCount(), 1) << "two played, one left";
    game->DoubleClick(Waste());
    EXPECT_EQ(Waste().Pile.Cards, (std::vector<CardRef>{older2, older3, older4}));
    EXPECT_EQ(Recycle().Pile.Cards, (std::vector<CardRef>{older1}));
    EXPECT_EQ(game->Score(), 5);
    EXPECT_EQ(host.caption, "Klondike   Score: 5");
}

struct ColumnDropCase {
    const char* name;
    std::vector<std::pair<int, int>> target;  // suit, value from the bottom; empty: an empty column
    std::vector<std::pair<int, int>> moving;
    bool accepted;
};

TEST_F(KlondikeTest, ColumnAndFoundationDropTests) {
    const ColumnDropCase cases[] = {
        {"King to an empty column with its run", {}, {{CS_SPADES, CV_KING}, {CS_HEARTS, CV_QUEEN}}, true},
        {"Queen to an empty column", {}, {{CS_SPADES, CV_QUEEN}}, false},
        {"red Six on black Seven", {{CS_CLUBS, CV_SEVEN}}, {{CS_DIAMONDS, CV_SIX}}, true},
        {"black Six on black Seven", {{CS_CLUBS, CV_SEVEN}}, {{CS_SPADES, CV_SIX}}, false},
        {"red Five on black Seven", {{CS_CLUBS, CV_SEVEN}}, {{CS_HEARTS, CV_FIVE}}, false},
    };
    for (const ColumnDropCase& c : cases) {
        ClearTable();
        for (auto [suit, value] : c.target) Column(2).Pile.AddCard(Card(suit, value));
        for (auto [suit, value] : c.moving) Column(1).Pile.AddCard(Card(suit, value));
        const bool moved = table::Drag(*game, Column(1), 0, Column(2));
        EXPECT_TRUE(moved) << c.name;
        EXPECT_EQ(Column(2).Pile.GetCardCount() == static_cast<int>(c.target.size() + c.moving.size()), c.accepted)
            << c.name;
        EXPECT_EQ(Column(1).Pile.IsEmpty(), c.accepted) << c.name;
    }

    ClearTable();
    Column(1).Pile.AddCard(Card(CS_SPADES, CV_ACE));
    Column(1).Pile.AddCard(Card(CS_HEARTS, CV_KING));
    Column(3).Pile.AddCard(Card(CS_DIAMONDS, CV_ACE));
    Column(3).Pile.AddCard(Card(CS_CLUBS, CV_KING));
    Column(3).Pile.Cards[0]->FaceUp = true;
    Column(1).Pile.Cards[1]->FaceUp = true;
    Press(Column(1), 0);
    EXPECT_FALSE(Column(1).DragPermitted) << "Ace under a King is no run";
    Column(1).Pile.Empty(false);
    Column(1).Pile.AddCard(Card(CS_SPADES, CV_TWO));
    Column(1).Pile.AddCard(Card(CS_HEARTS, CV_ACE));
    Foundation(1).Pile.AddCard(Card(CS_SPADES, CV_ACE));
    EXPECT_TRUE(table::Drag(*game, Column(1), 0, Foundation(1)));
    EXPECT_EQ(Foundation(1).Pile.GetCardCount(), 1) << "a run of two never goes to a foundation";
}

TEST_F(KlondikeTest, FaceDownCardsAndWasteCardsBelowTheTopCannotBeLifted) {
    Press(Column(7), 0);
    EXPECT_FALSE(Column(7).DragPermitted);
    Press(Column(7), 6);
    EXPECT_TRUE(Column(7).DragPermitted);
    game->StockClick();
    Press(Waste(), 0);
    EXPECT_FALSE(Waste().DragPermitted);
    Press(Waste(), PILE_TOP);
    EXPECT_TRUE(Waste().DragPermitted);
    Press(Foundation(1), PILE_TOP);
    EXPECT_FALSE(Foundation(1).DragPermitted);
}

TEST_F(KlondikeTest, ReleasingOverTheTableUsesTheStickyDestination) {
    ClearTable();
    Column(1).Pile.AddCard(Card(CS_HEARTS, CV_SIX));
    Column(3).Pile.AddCard(Card(CS_CLUBS, CV_SEVEN));
    Column(5).Pile.AddCard(Card(CS_SPADES, CV_SEVEN));
    Column(6).Pile.AddCard(Card(CS_DIAMONDS, CV_TEN));

    // Over an accepting pile, then a refusing one, then the bare table: the accepting one wins.
    ASSERT_TRUE(table::Drag(*game, Column(1), 0, {&Column(5), &Column(6), nullptr}));
    EXPECT_EQ(Column(5).Pile.GetCardCount(), 2);

    // Straight to the table: the default destination, the first column that accepts.
    ASSERT_TRUE(table::Drag(*game, Column(5), 1, {nullptr}));
    EXPECT_EQ(Column(3).Pile.GetCardCount(), 2);

    // No pile accepts a lone Ten of Diamonds here: it goes back.
    ASSERT_TRUE(table::Drag(*game, Column(6), 0, {nullptr, &Column(2)}));
    EXPECT_EQ(Column(6).Pile.GetCardCount(), 1);
    EXPECT_EQ(game->MoveCount(), 2);
}

TEST_F(KlondikeTest, ShiftOrCtrlPressSendsTheTopCardHomeWithoutADrag) {
    ClearTable();
    Column(2).Pile.AddCard(Card(CS_CLUBS, CV_FIVE, false));
    Column(2).Pile.AddCard(Card(CS_SPADES, CV_ACE));
    Column(4).Pile.AddCard(Card(CS_HEARTS, CV_ACE));
    table::Press(*game, Column(2), 0, Modifiers{true, false});
    EXPECT_FALSE(game->StartDrag(Column(2)));
    EXPECT_EQ(Foundation(1).Pile.GetCardCount(), 1);
    EXPECT_TRUE(Column(2).Pile.Top()->FaceUp) << "the exposed card turns up";
    table::Press(*game, Column(4), PILE_TOP, Modifiers{false, true});
    EXPECT_EQ(Foundation(2).Pile.GetCardCount(), 1);
    EXPECT_EQ(host.Count(Sound::Autoplay), 2);
    EXPECT_EQ(game->MoveCount(), 2);
}

TEST_F(KlondikeTest, OneUndoTakesBackAMoveWithTheCardItTurnedOver) {
    ClearTable();
    const CardRef hidden = Card(CS_CLUBS, CV_TWO, false);
    Column(1).Pile.AddCard(hidden);
    Column(1).Pile.AddCard(Card(CS_HEARTS, CV_SIX));
    Column(2).Pile.AddCard(Card(CS_SPADES, CV_SEVEN));
    ASSERT_TRUE(table::Drag(*game, Column(1), 1, Column(2)));
    EXPECT_TRUE(hidden->FaceUp);
    EXPECT_TRUE(game->MenuItem("Undo1")->Enabled);
    game->RunCommand("Undo1");
    EXPECT_EQ(Column(1).Pile.GetCardCount(), 2);
    EXPECT_FALSE(hidden->FaceUp);
    EXPECT_EQ(Column(2).Pile.GetCardCount(), 1);
    EXPECT_EQ(game->MoveCount(), 0);
    EXPECT_FALSE(game->MenuItem("Undo1")->Enabled);
    EXPECT_EQ(host.Count(Sound::Undo), 1);
}

TEST_F(KlondikeTest, UndoAfterARecycleFirstReturnsTheTurnedCardsThenTheWholeWaste) {
    MakeMoves(8);
    const std::vector<CardRef> waste = Waste().Pile.Cards;
    const std::vector<CardRef> recycle = Recycle().Pile.Cards;
    game->StockClick();  // turn over and draw three
    game->Undo();
    EXPECT_TRUE(Waste().Pile.IsEmpty());
    EXPECT_EQ(Stock().Pile.GetCardCount(), 24);
    for (const CardRef& card : Stock().Pile.Cards) EXPECT_FALSE(card->FaceUp);
    game->Undo();
    EXPECT_TRUE(Stock().Pile.IsEmpty());
    EXPECT_EQ(Waste().Pile.Cards, waste);
    EXPECT_EQ(Recycle().Pile.Cards, recycle);
    for (const CardRef& card : recycle) EXPECT_TRUE(card->FaceUp);
    EXPECT_EQ(Stock().State, FS_RECYCLE);
}

TEST_F(KlondikeTest, AutoplaySendsAnExposedAceHomeAndEverythingThatFollows) {
    game->ToggleAutoplay();
    ClearTable();
    Column(1).Pile.AddCard(Card(CS_HEARTS, CV_TWO));
    Column(1).Pile.AddCard(Card(CS_CLUBS, CV_ACE, false));
    Column(1).Pile.AddCard(Card(CS_DIAMONDS, CV_NINE));
    Column(2).Pile.AddCard(Card(CS_SPADES, CV_TEN));
    Column(3).Pile.AddCard(Card(CS_HEARTS, CV_ACE, false));
    Column(3).Pile.AddCard(Card(CS_CLUBS, CV_TWO));
    Stock().Pile.AddCard(Card(CS_SPADES, CV_KING, false));
    ASSERT_TRUE(table::Drag(*game, Column(1), 2, Column(2)));
    // The Ace of Clubs turned up and went home; the Two of Clubs followed from column 3,
    // which turned up the Ace of Hearts; then the Two of Hearts from column 1.
    EXPECT_EQ(game->Score(), 4);
    EXPECT_TRUE(Column(1).Pile.IsEmpty());
    EXPECT_TRUE(Column(3).Pile.IsEmpty());
    EXPECT_EQ(game->MoveCount(), 5);
    EXPECT_EQ(host.caption, "Klondike   Score: 4");
    game->Undo();
    EXPECT_EQ(game->Score(), 3) << "each autoplay move is undone on its own";
}

TEST_F(KlondikeTest, UndoingAnAutoplayChainTurnsEveryExposedCardBackDown) {
    game->ToggleAutoplay();
    ClearTable();
    Foundation(1).Pile.AddCard(Card(CS_HEARTS, CV_ACE));
    Foundation(1).Pile.AddCard(Card(CS_HEARTS, CV_TWO));
    Recycle().Pile.AddCard(Card(CS_CLUBS, CV_NINE));
    Waste().Pile.AddCard(Card(CS_HEARTS, CV_THREE));
    const CardRef hidden = Card(CS_SPADES, CV_KING, false);
    Column(5).Pile.AddCard(hidden);
    Column(5).Pile.AddCard(Card(CS_HEARTS, CV_FOUR));
    const auto before = table::Snapshot(*game);

    // The Three goes home, the Four follows by autoplay and turns up the King,
    // and only then is the waste refilled.
    game->DoubleClick(Waste());
    ASSERT_EQ(game->Score(), 4);
    ASSERT_TRUE(hidden->FaceUp);
    while (!game->History().IsEmpty()) game->Undo();
    EXPECT_FALSE(hidden->FaceUp);
    EXPECT_EQ(table::Snapshot(*game), before);
}

TEST_F(KlondikeTest, ClosingAndNewGameAskAtTheirOwnThresholds) {
    MakeMoves(4);
    EXPECT_TRUE(game->CloseQuery());
    EXPECT_TRUE(host.questions.empty());
    EXPECT_TRUE(host.closeAllowed);

    MakeMoves(1);
    game->NewGame();  // exactly five moves: a new deal without a question
    EXPECT_TRUE(host.questions.empty());
    EXPECT_EQ(game->MoveCount(), 0);
    EXPECT_FALSE(TProfile("Klondike", settings.File()).ReadInteger("GamesAttempted").has_value());
    EXPECT_EQ(host.Count(Sound::Shuffle), 1);

    MakeMoves(5);
    host.confirmAnswers = {false};
    EXPECT_FALSE(game->CloseQuery());
    EXPECT_EQ(host.questions.back(), "Quit this game of Klondike?");
    EXPECT_FALSE(host.closeAllowed);

    MakeMoves(1);
    const auto before = table::Snapshot(*game);
    host.confirmAnswers = {false};
    game->NewGame();
    EXPECT_EQ(host.questions.back(), "Quit this game of Klondike?");
    EXPECT_EQ(table::Snapshot(*game), before) << "a cancelled New Game changes nothing";

    host.confirmAnswers = {true};
    EXPECT_TRUE(game->CloseQuery());
    EXPECT_TRUE(host.closeAllowed);
    TProfile stats("Klondike", settings.File());
    EXPECT_EQ(stats.ReadInteger("GamesAttempted"), 1);
    EXPECT_EQ(stats.ReadBoolean("LastGame"), false);
}

// What each command asks, and whether the abandoned game is recorded, by moves made.
TEST(KlondikeThresholdTest, NewGameRestartAndCloseAskAtTheirOwnCounts) {
    struct Case {
        int moves;
        const char* command;
        const char* question;  // empty: nothing asked
        bool recorded;
    };
    const Case cases[] = {
        {4, "NewGame1", "", false},  {5, "NewGame1", "", false},
        {6, "NewGame1", "Quit this game of Klondike?", true},
        {4, "Restart1", "", false},  {5, "Restart1", "", false},
        {6, "Restart1", "Restart this game of Klondike?", false},
        {4, "close", "", false},     {5, "close", "Quit this game of Klondike?", true},
        {6, "close", "Quit this game of Klondike?", true},
    };
    for (const Case& c : cases) {
        TempSettings settings;
        FakeHost host;
        KlondikeGame game(KlondikeLargeLayout(), host, settings.File());
        game.Create();
        for (int i = 0; i < c.moves; ++i) game.StockClick();
        if (std::string(c.command) == "close")
            EXPECT_TRUE(game.CloseQuery());
        else
            game.RunCommand(c.command);
        const std::string label = std::string(c.command) + " after " + std::to_string(c.moves);
        EXPECT_EQ(host.questions.empty() ? "" : host.questions.front(), std::string(c.question)) << label;
        EXPECT_EQ(TProfile("Klondike", settings.File()).ReadInteger("GamesAttempted").has_value(), c.recorded)
            << label;
    }
}

// The whole deck in four columns, one suit each with its Ace on top: every card is
// sent home by a double-click, and the last one wins.
TEST_F(KlondikeTest, AScriptedGamePlayedToItsWinRecordsItOnce) {
    ClearTable();
    for (int suit = 0; suit < 4; ++suit)
        for (int value = CV_KING; value >= CV_ACE; --value) Column(suit + 1).Pile.AddCard(Card(suit, value));
    for (int card = 0; card < 52; ++card) game->DoubleClick(Column(card / 13 + 1));
    EXPECT_TRUE(game->Won());
    EXPECT_EQ(host.winWindows, 1);
    EXPECT_EQ(host.caption, "Klondike   Score: 52");
    EXPECT_EQ(game->MoveCount(), 52);
    TProfile stats("Klondike", settings.File());
    EXPECT_EQ(stats.ReadInteger("GamesAttempted"), 1);
    EXPECT_EQ(stats.ReadInteger("GamesWon"), 1);
    EXPECT_EQ(stats.ReadBoolean("LastGame"), true);
    EXPECT_EQ(stats.ReadInteger("CurrentStreak"), 1);
    EXPECT_TRUE(stats.ReadText("LongestStreakDate").has_value());
    EXPECT_FALSE(stats.ReadText("AvgScore").has_value());
    EXPECT_TRUE(game->CloseQuery());
    EXPECT_TRUE(host.questions.empty());
    EXPECT_EQ(stats.ReadInteger("GamesAttempted"), 1) << "a won game is not recorded again";
}

TEST_F(KlondikeTest, RestartReplaysTheSameDealAfterConfirming) {
    const auto dealt = table::Snapshot(*game);
    MakeMoves(6);
    host.confirmAnswers = {true};
    game->RunCommand("Restart1");
    EXPECT_EQ(host.questions, (std::vector<std::string>{"Restart this game of Klondike?"}));
    EXPECT_EQ(table::Snapshot(*game), dealt);
    EXPECT_EQ(host.Count(Sound::Restart), 1);
    EXPECT_FALSE(TProfile("Klondike", settings.File()).ReadInteger("GamesAttempted").has_value());
    EXPECT_FALSE(game->MenuItem("DrawOne1")->Enabled) << "a Restart keeps the settled draw mode";
    game->NewGame();
    EXPECT_TRUE(game->MenuItem("DrawOne1")->Enabled);
}

TEST_F(KlondikeTest, DrawModeIsSettledByTheFirstStockClickAndRemembered) {
    game->RunCommand("DrawOne1");
    EXPECT_FALSE(game->DrawThree());
    EXPECT_TRUE(game->MenuItem("DrawOne1")->Checked);
    EXPECT_FALSE(game->MenuItem("DrawThree1")->Checked);
    game->StockClick();
    EXPECT_EQ(Waste().Pile.GetCardCount(), 1);
    EXPECT_FALSE(game->MenuItem("DrawThree1")->Enabled);
    EXPECT_TRUE(game->MenuItem("DrawOne1")->Enabled);
    game->RunCommand("DrawThree1");
    EXPECT_FALSE(game->DrawThree()) << "a disabled item does nothing";
    game->ToggleAutoplay();

    Open(KlondikeSmallLayout());
    EXPECT_FALSE(game->DrawThree());
    EXPECT_TRUE(game->AutoplayOn());
    EXPECT_TRUE(game->MenuItem("Autoplay1")->Checked);
    EXPECT_EQ(TProfile("Klondike", settings.File()).ReadText("DrawThree"), "False");
}

TEST_F(KlondikeTest, TheLastCardHomeWinsRecordsOnceAndTheWinWindowCanDealAgain) {
    ClearTable();
    for (int suit = 0; suit < 4; ++suit)
        for (int value = CV_ACE; value <= (suit == CS_HEARTS ? CV_QUEEN : CV_KING); ++value)
            Foundation(suit + 1).Pile.AddCard(Card(suit, value));
    Column(4).Pile.AddCard(Card(CS_HEARTS, CV_KING));
    Stock().Pile.AddCard(Card(CS_SPADES, CV_TWO, false));
    MakeMoves(5);
    host.winAnswer = WIN_NEW_GAME;
    game->DoubleClick(Column(4));
    EXPECT_EQ(host.winWindows, 1);
    EXPECT_TRUE(host.questions.empty()) << "a won game is abandoned without asking";
    TProfile stats("Klondike", settings.File());
    EXPECT_EQ(stats.ReadInteger("GamesWon"), 1);
    EXPECT_EQ(stats.ReadInteger("GamesAttempted"), 1);
    EXPECT_EQ(game->MoveCount(), 0) << "the win window's New Game dealt at once";
    EXPECT_EQ(Stock().Pile.GetCardCount(), 24);
}

// A seed whose deal shows an Ace on top of one of columns 3 to 7.
std::uint32_t SeedWithAnAceOnTheRight() {
    TempSettings settings;
    FakeHost host;
    for (std::uint32_t seed = 1;; ++seed) {
        shuffle::FixNextDealSeed(seed);
        KlondikeGame probe(KlondikeLargeLayout(), host, settings.File());
        probe.Create();
        for (int n = 3; n <= 7; ++n)
            if (probe.Columns()[static_cast<std::size_t>(n - 1)]->Pile.Top()->Value == CV_ACE) return seed;
    }
}

TEST_F(KlondikeTest, AWinInTheMiddleOfAutoplayLeavesTheNewDealAlone) {
    const std::uint32_t seed = SeedWithAnAceOnTheRight();
    game->ToggleAutoplay();
    ClearTable();
    for (int suit = 0; suit < 4; ++suit)
        for (int value = CV_ACE; value <= (suit == CS_CLUBS ? CV_JACK : CV_KING); ++value)
            Foundation(suit + 1).Pile.AddCard(Card(suit, value));
    Column(1).Pile.AddCard(Card(CS_CLUBS, CV_QUEEN));
    Column(2).Pile.AddCard(Card(CS_CLUBS, CV_KING));
    Stock().Pile.AddCard(Card(CS_SPADES, CV_TWO, false));
    host.winAnswer = WIN_NEW_GAME;
    shuffle::FixNextDealSeed(seed);
    // The stock click's pass sends the Queen home, and the pass that follows wins
    // with the King while the outer pass still has columns to look at.
    game->StockClick();
    EXPECT_EQ(host.winWindows, 1);
    EXPECT_EQ(game->Score(), 0) << "nothing of the new deal went home by itself";
    EXPECT_EQ(table::CardsOnTable(*game), 52);
    EXPECT_EQ(game->MoveCount(), 0);
}

TEST_F(KlondikeTest, AfterAWinTheTableStaysWithUndoOffAndNothingIsAsked) {
    ClearTable();
    for (int suit = 0; suit < 4; ++suit)
        for (int value = CV_ACE; value <= (suit == CS_SPADES ? CV_QUEEN : CV_KING); ++value)
            Foundation(suit + 1).Pile.AddCard(Card(suit, value));
    Waste().Pile.AddCard(Card(CS_SPADES, CV_KING));
    game->DoubleClick(Waste());
    EXPECT_TRUE(game->Won());
    EXPECT_FALSE(game->MenuItem("Undo1")->Enabled);
    EXPECT_EQ(Stock().State, FS_BLANK);
    EXPECT_EQ(host.caption, "Klondike   Score: 52");
    EXPECT_FALSE(TProfile("Klondike", settings.File()).ReadInteger("GamesAttempted").has_value())
        << "a win after fewer than five moves does not count";
    EXPECT_TRUE(game->CloseQuery());
    game->RunCommand("Restart1");
    EXPECT_TRUE(host.questions.empty());
}

TEST_F(KlondikeTest, WinWindowStatisticsAnswerShowsTheStatistics) {
    ClearTable();
    for (int suit = 0; suit < 4; ++suit)
        for (int value = CV_ACE; value <= CV_KING; ++value)
            if (!(suit == CS_CLUBS && value == CV_KING)) Foundation(suit + 1).Pile.AddCard(Card(suit, value));
    Column(1).Pile.AddCard(Card(CS_CLUBS, CV_KING));
    host.winAnswer = WIN_STATISTICS;
    game->DoubleClick(Column(1));
    EXPECT_EQ(host.statisticsShown, 1);
    EXPECT_TRUE(game->Won());
}

TEST_F(KlondikeTest, MenuCommandsReachTheHost) {
    game->RunCommand("About1");
    game->RunCommand("Statistics1");
    game->RunCommand("Preferences1");
    EXPECT_EQ(host.helpTopics, (std::vector<int>{1007}));
    EXPECT_EQ(host.statisticsShown, 1);
    EXPECT_EQ(host.preferencesShown, 1);
}

TEST_F(KlondikeTest, AnimatedDealsRedrawCardByCardAndPaceTheRows) {
    host.animation = true;
    int columnRedraws = 0;
    for (TCardPileView* column : game->Columns())
        column->SetObserver([&](TCardPileView&, RedrawKind) { ++columnRedraws; });
    game->NewGame();
    EXPECT_EQ(host.Count(Sound::Deal), 7);
    EXPECT_GE(columnRedraws, 28);
    host.animation = false;
    host.sounds.clear();
    game->NewGame();
    EXPECT_EQ(host.Count(Sound::Deal), 0);
}

TEST_F(KlondikeTest, ResizeStretchesTheColumnsToTheBottom) {
    game->Resize(600);
    EXPECT_EQ(Column(3).Height, 600 - 154);
    Open(KlondikeSmallLayout());
    game->Resize(500);
    EXPECT_EQ(Column(3).Height, 500 - 122);
}

// Random play through the same calls a player makes: every card stays on the table
// exactly once, and undoing everything returns the dealt layout.
// TABLEWISE_SOAK_ROUNDS sets a longer run (the default keeps CI quick).
int SoakRounds(int usual) {
    const char* rounds = std::getenv("TABLEWISE_SOAK_ROUNDS");
    return rounds ? std::max(1, std::atoi(rounds)) : usual;
}

TEST(KlondikeRandomPlayTest, CardsAreNeverLostAndUndoReturnsTheDeal) {
    TempSettings settings;
    FakeHost host;
    std::mt19937 random(7);
    for (int round = 0; round < SoakRounds(20); ++round) {
        shuffle::FixNextDealSeed(static_cast<std::uint32_t>(round * 7919 + 1));
        KlondikeGame game(round % 2 ? KlondikeSmallLayout() : KlondikeLargeLayout(), host, settings.File());
        game.Create();
        if (round % 3 == 0) game.ToggleAutoplay();
        if (round % 4 == 1) game.SetDrawMode(false);
        const auto dealt = table::Snapshot(game);
        std::vector<TCardPileView*> views;
        for (const auto& view : game.Views()) views.push_back(view.get());
        for (int step = 0; step < 300 && !game.Won(); ++step) {
            TCardPileView& from = *views[random() % views.size()];
            switch (random() % 4) {
            case 0:
                game.StockClick();
                break;
            case 1:
                game.DoubleClick(from);
                break;
            default: {
                const int count = from.Pile.GetCardCount();
                table::Drag(game, from, count ? static_cast<int>(random() % static_cast<unsigned>(count)) : 0,
                            *views[random() % views.size()]);
            }
            }
            std::set<const TCard*> seen;
            for (const auto& placed : table::Snapshot(game)) seen.insert(placed.card);
            ASSERT_EQ(seen.size(), 52u) << "round " << round << " step " << step;
            ASSERT_EQ(table::CardsOnTable(game), 52);
        }
        if (game.Won()) continue;
        while (!game.History().IsEmpty()) game.Undo();
        const auto after = table::Snapshot(game);
        ASSERT_EQ(after.size(), dealt.size());
        for (std::size_t i = 0; i < after.size(); ++i)
            ASSERT_EQ(after[i], dealt[i]) << "round " << round << " position " << i;
    }
}

}  // namespace
