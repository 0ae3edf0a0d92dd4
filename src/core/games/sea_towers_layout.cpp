#include "games/sea_towers.h"

namespace {

constexpr const char* kInitialCaption = "Sea Towers";
// Foundations 1 and 2 stand at the left end of the top row, 3 and 4 at its right end.
constexpr int kRightFoundations = 3;

GameLayout MakeLargeLayout() {
    GameLayout layout{CZ_LARGE, 887, 571, "SeaHavenTowers", {}, 142, true, 480, kInitialCaption};
    layout.rows = {
        {"FoundPileView", PileRole::Foundation, 2, 8, 88, 8, 0, 80, 125, 0.0f, 0.0f, true},
        {"FreePileView", PileRole::FreeCell, 4, 272, 88, 8, 0, 80, 125, 0.0f, 0.0f, true, true},
        {"FoundPileView", PileRole::Foundation, 2, 712, 88, 8, 0, 80, 125, 0.0f, 0.0f, true, false,
         false, FS_BLANK, std::nullopt, true, kRightFoundations},
        {"TableauPileView", PileRole::Tableau, 10, 8, 88, 140, 0, 80, 429, 0.0f, 20.0f, false,
         true},
    };
    return layout;
}

GameLayout MakeSmallLayout() {
    GameLayout layout{CZ_SMALL, 725, 480, "sSeaHavenTowers", {}, 110, true, 360, kInitialCaption};
    layout.rows = {
        {"FoundPileView", PileRole::Foundation, 2, 8, 64, 8, 0, 61, 95, 0.0f, 0.0f, true},
        {"FreePileView", PileRole::FreeCell, 4, 234, 64, 8, 0, 61, 95, 0.0f, 0.0f, true, true},
        {"FoundPileView", PileRole::Foundation, 2, 592, 64, 8, 0, 61, 95, 0.0f, 0.0f, true, false,
         false, FS_BLANK, std::nullopt, true, kRightFoundations},
        {"TableauPileView", PileRole::Tableau, 10, 8, 72, 108, 0, 61, 370, 0.0f, 16.0f, false,
         true},
    };
    return layout;
}

}  // namespace

const GameLayout& SeaTowersLargeLayout() {
    static const GameLayout layout = MakeLargeLayout();
    return layout;
}

const GameLayout& SeaTowersSmallLayout() {
    static const GameLayout layout = MakeSmallLayout();
    return layout;
}
