#include "games/freecell.h"

namespace {

constexpr const char* kInitialCaption = "Free Cell";

GameLayout MakeLargeLayout() {
    GameLayout layout{CZ_LARGE, 776, 541, "FreeCell", {}, 148, true, 480, kInitialCaption};
    layout.rows = {
        {"FreePileView", PileRole::FreeCell, 4, 8, 88, 8, 0, 80, 125, 0.0f, 0.0f, true, true},
        {"FoundPileView", PileRole::Foundation, 4, 424, 88, 8, 0, 80, 125, 0.0f, 0.0f, true},
        {"TableauPileView", PileRole::Tableau, 8, 40, 88, 140, 0, 80, 393, 0.0f, 20.0f, false,
         true},
    };
    return layout;
}

GameLayout MakeSmallLayout() {
    GameLayout layout{CZ_SMALL, 590, 409, "sFreeCell", {}, 109, true, 300, kInitialCaption};
    layout.rows = {
        {"FreePileView", PileRole::FreeCell, 4, 8, 64, 8, 0, 61, 95, 0.0f, 0.0f, true, true},
        {"FoundPileView", PileRole::Foundation, 4, 331, 64, 8, 0, 61, 95, 0.0f, 0.0f, true},
        {"TableauPileView", PileRole::Tableau, 8, 16, 72, 108, 0, 61, 300, 0.0f, 16.0f, false,
         true},
    };
    return layout;
}

}  // namespace

const GameLayout& FreeCellLargeLayout() {
    static const GameLayout layout = MakeLargeLayout();
    return layout;
}

const GameLayout& FreeCellSmallLayout() {
    static const GameLayout layout = MakeSmallLayout();
    return layout;
}

MenuTable FreeCellMenu() {
    return {
        {"Undo1", "&Undo", "Ctrl+Z", false},
        {"N1", "-", ""},
        {"Autoplay1", "&Autoplay", "Ctrl+A", true, false, true, true},
        {"N2", "-", ""},
        {"NewGame1", "&New Game", "Ctrl+N"},
        {"Redeal1", "&Restart", "Ctrl+R"},
        {"Preferences1", "&Preferences...", "Ctrl+P"},
        {"About1", "Rul&es...", "F1"},
        {"Statistics1", "&Statistics...", "Ctrl+S"},
    };
}
