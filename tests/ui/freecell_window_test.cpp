#include <QAction>
#include <QMenu>

#include "games/freecell.h"
#include "support/window_fixture.h"

namespace {

struct ViewPlace {
    const char* name;
    QRect large;
    QRect small;
};

struct WindowCase {
    const char* game;
    const char* caption;
    const char* largeClass;
    const char* smallClass;
    QSize largeClient;
    QSize smallClient;
    std::vector<ViewPlace> places;
};

const WindowCase kWindows[] = {
    {"Free Cell",
     "FreeCell",
     "TFreeCellForm",
     "TsFreeCellForm",
     {776, 541},
     {590, 409},
     {
         {"FreePileView1", {8, 8, 80, 125}, {8, 8, 61, 95}},
         {"FreePileView4", {272, 8, 80, 125}, {200, 8, 61, 95}},
         {"FoundPileView1", {424, 8, 80, 125}, {331, 8, 61, 95}},
         {"FoundPileView4", {688, 8, 80, 125}, {523, 8, 61, 95}},
         {"TableauPileView1", {40, 140, 80, 393}, {16, 108, 61, 300}},
         {"TableauPileView8", {656, 140, 80, 393}, {520, 108, 61, 300}},
     }},
    {"Sea Towers",
     "Sea Towers",
     "TSeaHavenForm",
     "TsSeaHavenForm",
     {887, 571},
     {725, 480},
     {
         {"FoundPileView1", {8, 8, 80, 125}, {8, 8, 61, 95}},
         {"FoundPileView2", {96, 8, 80, 125}, {72, 8, 61, 95}},
         {"FreePileView1", {272, 8, 80, 125}, {234, 8, 61, 95}},
         {"FreePileView4", {536, 8, 80, 125}, {426, 8, 61, 95}},
         {"FoundPileView3", {712, 8, 80, 125}, {592, 8, 61, 95}},
         {"FoundPileView4", {800, 8, 80, 125}, {656, 8, 61, 95}},
         {"TableauPileView1", {8, 140, 80, 429}, {8, 108, 61, 370}},
         {"TableauPileView10", {800, 140, 80, 429}, {656, 108, 61, 370}},
     }},
};

TEST_F(WindowTest, FreeCellWindowsStandWhereTheirLayoutsPutThem) {
    for (const WindowCase& expected : kWindows)
        for (_CardSize size : {CZ_LARGE, CZ_SMALL}) {
            const bool large = size == CZ_LARGE;
            SCOPED_TRACE(std::string(expected.game) + (large ? " large" : " small"));
            GameWindow& window = Open(expected.game, size);
            const QSize client = large ? expected.largeClient : expected.smallClient;
            EXPECT_EQ(window.size(), client);
            EXPECT_EQ(window.objectName(), large ? expected.largeClass : expected.smallClass);
            EXPECT_EQ(window.windowTitle(), expected.caption);
            EXPECT_EQ(window.minimumWidth(), client.width()) << "only the height can change";
            EXPECT_EQ(window.maximumWidth(), client.width());
            for (const ViewPlace& place : expected.places)
                EXPECT_EQ(Pile(window, place.name).geometry(), large ? place.large : place.small)
                    << place.name;
            window.close();
        }
}

TEST_F(WindowTest, FreeCellMenuRestartsWithRedeal) {
    GameWindow& window = Open("Free Cell", CZ_SMALL);
    QStringList captions;
    for (QAction* action : window.PopupMenu().actions())
        captions << (action->isSeparator() ? "-"
                                           : action->text() + "|" + action->shortcut().toString());
    EXPECT_EQ(captions,
              (QStringList{"&Undo|Ctrl+Z", "-", "&Autoplay|Ctrl+A", "-", "&New Game|Ctrl+N",
                           "&Restart|Ctrl+R", "&Preferences...|Ctrl+P", "Rul&es...|F1",
                           "&Statistics...|Ctrl+S"}));
    ASSERT_NE(window.Action("Redeal1"), nullptr);
    EXPECT_FALSE(window.Action("Undo1")->isEnabled());
}

// Hand-built tables: the window shows them once told to repaint.
void Lay(GameWindow& window, const std::string& viewName,
         std::initializer_list<std::pair<int, int>> cards) {
    TCardPileView& view = *window.Game().View(viewName);
    for (auto [suit, value] : cards) view.Pile.AddCard(std::make_shared<TCard>(suit, value, true));
}

void ClearTable(GameWindow& window) {
    for (const auto& view : window.Game().Views()) view->Pile.Empty(true);
}

TEST_F(WindowTest, ADragWithTheMouseMovesARunInFreeCell) {
    GameWindow& window = Open("Free Cell", CZ_LARGE);
    const SolitaireGame& game = window.Game();
    ClearTable(window);
    Lay(window, "TableauPileView1",
        {{CS_SPADES, CV_EIGHT}, {CS_HEARTS, CV_SEVEN}, {CS_CLUBS, CV_SIX}});
    Lay(window, "TableauPileView5", {{CS_CLUBS, CV_EIGHT}});
    window.RefreshPiles();

    // Two cards from the Seven, over column 5, released over the bare table below it.
    PileWidget& from = Pile(window, "TableauPileView1");
    const QPoint overColumn5 = Pile(window, "TableauPileView5").geometry().center();
    DragTo(window, from, QPoint(30, 30), overColumn5);
    EXPECT_EQ(game.View("TableauPileView5")->Pile.GetCardCount(), 3);
    EXPECT_EQ(game.View("TableauPileView1")->Pile.GetCardCount(), 1);
    EXPECT_EQ(game.MoveCount(), 1);

    // The top card into a free cell, then the free cell's card back by double-click.
    DragTo(window, Pile(window, "TableauPileView5"), QPoint(30, 2 * 20 + 30),
           Pile(window, "FreePileView2").geometry().center());
    EXPECT_EQ(game.View("FreePileView2")->Pile.GetCardCount(), 1);
    QTest::mouseDClick(&Pile(window, "FreePileView2"), Qt::LeftButton, Qt::NoModifier,
                       QPoint(30, 30));
    EXPECT_EQ(game.View("FreePileView1")->Pile.GetCardCount(), 1)
        << "no foundation takes it: the first free cell";
    EXPECT_TRUE(window.Action("Undo1")->isEnabled());
}

TEST_F(WindowTest, SeaTowersRefusesAQueenOnAnEmptyColumnAndTakesAKing) {
    GameWindow& window = Open("Sea Towers", CZ_SMALL);
    const SolitaireGame& game = window.Game();
    ClearTable(window);
    for (int n = 3; n <= 10; ++n)
        Lay(window, "TableauPileView" + std::to_string(n), {{CS_DIAMONDS, CV_ACE}});
    Lay(window, "TableauPileView1", {{CS_HEARTS, CV_KING}, {CS_HEARTS, CV_QUEEN}});
    window.RefreshPiles();

    PileWidget& from = Pile(window, "TableauPileView1");
    const QPoint emptyColumn = Pile(window, "TableauPileView2").geometry().center();
    DragTo(window, from, QPoint(20, 16 + 20), emptyColumn);
    EXPECT_EQ(game.View("TableauPileView1")->Pile.GetCardCount(), 2) << "the Queen came back";
    DragTo(window, from, QPoint(20, 8), emptyColumn);
    EXPECT_EQ(game.View("TableauPileView2")->Pile.GetCardCount(), 2)
        << "the King took its Queen along";
    EXPECT_EQ(window.windowTitle(), "Sea Towers");
}

}  // namespace
