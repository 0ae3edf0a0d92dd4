#include <QAction>
#include <QMenu>
#include <QTimer>

#include "games/klondike.h"
#include "support/window_fixture.h"

namespace {

struct ViewPlace {
    const char* name;
    QRect large;
    QRect small;
};

TEST_F(WindowTest, KlondikeViewsStandWhereTheLayoutsPutThem) {
    const ViewPlace places[] = {
        {"DeckPileView", {8, 8, 121, 129}, {8, 8, 96, 101}},
        {"DiscardPileView", {144, 8, 137, 129}, {120, 8, 107, 101}},
        {"FoundationPile1", {296, 8, 80, 125}, {248, 8, 61, 95}},
        {"FoundationPile4", {584, 8, 80, 125}, {440, 8, 61, 95}},
        {"TableauPileView1", {8, 152, 80, 337}, {8, 120, 61, 270}},
        {"TableauPileView7", {584, 152, 80, 337}, {440, 120, 61, 270}},
    };
    for (_CardSize size : {CZ_LARGE, CZ_SMALL}) {
        GameWindow& window = Open("Klondike", size);
        EXPECT_EQ(window.size(), size == CZ_LARGE ? QSize(672, 491) : QSize(510, 392));
        EXPECT_EQ(window.windowTitle(), "Klondike");
        for (const ViewPlace& place : places)
            EXPECT_EQ(Pile(window, place.name).geometry(), size == CZ_LARGE ? place.large : place.small)
                << place.name;
        EXPECT_FALSE(Pile(window, "RecyclePileView").isVisible());
        EXPECT_EQ(Pile(window, "DeckPileView").toolTip(), "24");
        window.close();
    }
}

TEST_F(WindowTest, PopupMenuCarriesTheCaptionsAndShortcuts) {
    GameWindow& window = Open("Klondike", CZ_LARGE);
    QStringList captions;
    for (QAction* action : window.PopupMenu().actions())
        captions << (action->isSeparator() ? "-" : action->text() + "|" + action->shortcut().toString());
    EXPECT_EQ(captions, (QStringList{"&Undo|Ctrl+Z", "-", "&Autoplay|Ctrl+A", "-", "Draw &Three|", "Draw &One|", "-",
                                     "&New Game|Ctrl+N", "&Restart|Ctrl+R", "&Preferences...|Ctrl+P",
                                     "Rul&es...|F1", "&Statistics...|Ctrl+S"}));
    EXPECT_FALSE(window.Action("Undo1")->isEnabled());
    EXPECT_TRUE(window.Action("DrawThree1")->isChecked());
}

TEST_F(WindowTest, ADragWithTheMouseMovesTheCardsAndUndoTakesThemBack) {
    GameWindow& window = Open("Klondike", CZ_LARGE);
    auto& game = static_cast<KlondikeGame&>(window.Game());
    // Lay out a known position: a red Six to drag onto a black Seven.
    for (const auto& view : game.Views()) view->Pile.Empty(true);
    game.Columns()[0]->Pile.AddCard(std::make_shared<TCard>(CS_HEARTS, CV_SIX, true));
    game.Columns()[4]->Pile.AddCard(std::make_shared<TCard>(CS_SPADES, CV_SEVEN, true));
    window.RefreshPiles();

    PileWidget& from = Pile(window, "TableauPileView1");
    // Released over the bare table below the columns: the sticky destination decides.
    DragTo(window, from, QPoint(30, 30), QPoint(420, 470));
    EXPECT_EQ(game.Columns()[4]->Pile.GetCardCount(), 2);
    EXPECT_TRUE(game.Columns()[0]->Pile.IsEmpty());
    EXPECT_TRUE(window.Action("Undo1")->isEnabled());
    window.Action("Undo1")->trigger();
    EXPECT_EQ(game.Columns()[0]->Pile.GetCardCount(), 1);
    EXPECT_FALSE(window.Action("Undo1")->isEnabled());
}

TEST_F(WindowTest, ADropOntoAnAcceptingColumnIsRecordedAndARefusedOneReturnsTheCards) {
    GameWindow& window = Open("Klondike", CZ_LARGE);
    auto& game = static_cast<KlondikeGame&>(window.Game());
    for (const auto& view : game.Views()) view->Pile.Empty(true);
    game.Columns()[1]->Pile.AddCard(std::make_shared<TCard>(CS_CLUBS, CV_NINE, true));
    game.Columns()[1]->Pile.AddCard(std::make_shared<TCard>(CS_DIAMONDS, CV_EIGHT, true));
    game.Columns()[3]->Pile.AddCard(std::make_shared<TCard>(CS_HEARTS, CV_TEN, true));
    game.Columns()[5]->Pile.AddCard(std::make_shared<TCard>(CS_SPADES, CV_FOUR, true));
    window.RefreshPiles();

    // The Nine with the Eight on it, onto the red Ten.
    PileWidget& second = Pile(window, "TableauPileView2");
    DragTo(window, second, QPoint(30, 8), Pile(window, "TableauPileView4").geometry().topLeft() + QPoint(30, 40));
    EXPECT_EQ(game.Columns()[3]->Pile.GetCardCount(), 3);
    EXPECT_EQ(game.MoveCount(), 1);
    EXPECT_EQ(game.History().RecordCount(), 1);

    // The Four of Spades fits nowhere: over a column and back to the table, it returns.
    PileWidget& sixth = Pile(window, "TableauPileView6");
    DragTo(window, sixth, QPoint(30, 30), QPoint(330, 470));
    EXPECT_EQ(game.Columns()[5]->Pile.GetCardCount(), 1);
    EXPECT_EQ(game.MoveCount(), 1);
}

TEST_F(WindowTest, ClickingTheStockTurnsCardsAndSpaceDoesTheSame) {
    GameWindow& window = Open("Klondike", CZ_SMALL);
    auto& game = static_cast<KlondikeGame&>(window.Game());
    QTest::mouseClick(&Pile(window, "DeckPileView"), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    EXPECT_EQ(game.WasteView().Pile.GetCardCount(), 3);
    QTest::keyClick(&window, Qt::Key_Space);
    EXPECT_EQ(game.StockView().Pile.GetCardCount(), 18);
    EXPECT_EQ(Pile(window, "DeckPileView").toolTip(), "18");
    EXPECT_FALSE(window.Action("DrawOne1")->isEnabled());
}

TEST_F(WindowTest, ClosingAndReopeningRestoresThePositionPerCardSize) {
    GameWindow& first = Open("Klondike", CZ_LARGE);
    first.move(140, 90);
    QTest::qWait(20);
    const QPoint where = first.frameGeometry().topLeft();
    EXPECT_TRUE(first.close());
    EXPECT_TRUE(closeAllowed);
    QTest::qWait(20);
    GameWindow& again = Open("Klondike", CZ_LARGE);
    EXPECT_EQ(again.frameGeometry().topLeft(), where);
}

TEST_F(WindowTest, AGameWithMovesAsksBeforeClosingAndRefusingKeepsIt) {
    GameWindow& window = Open("Klondike", CZ_LARGE);
    auto& game = static_cast<KlondikeGame&>(window.Game());
    for (int i = 0; i < 5; ++i) game.StockClick();
    // Answer the question box with Cancel as soon as it shows.
    QTimer::singleShot(50, [] {
        if (QWidget* box = QApplication::activeModalWidget()) QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_FALSE(window.close());
    EXPECT_FALSE(closeAllowed);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(WindowTest, ColumnsReachTheBottomWhenTheWindowGrows) {
    GameWindow& window = Open("Klondike", CZ_LARGE);
    window.resize(672, 600);
    EXPECT_EQ(Pile(window, "TableauPileView3").height(), 600 - 154);
}

}  // namespace
