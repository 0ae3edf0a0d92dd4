#include "games/klondike.h"

namespace {

constexpr std::uint32_t kBlack = 0x000000;

GameLayout MakeLargeLayout() {
    GameLayout layout{CZ_LARGE, 672, 491, "Klondike", {}, 154};
    layout.rows = {
        {"DeckPileView", PileRole::Stock, 1, 8, 0, 8, 0, 121, 129, 1.0f, 0.2f, false, false, false, FS_RECYCLE,
         std::nullopt, false},
        {"DiscardPileView", PileRole::Waste, 1, 144, 0, 8, 0, 137, 129, 20.0f, 2.0f, false, true, false, FS_BLANK,
         std::nullopt, false},
        {"FoundationPile", PileRole::Foundation, 4, 296, 96, 8, 0, 80, 125, 0.0f, 0.0f, true},
        {"TableauPileView", PileRole::Tableau, 7, 8, 96, 152, 0, 80, 337, 0.0f, 20.0f, false, true},
        {"RecyclePileView", PileRole::Recycle, 1, 640, 0, 112, 0, 25, 25, 0.0f, 0.0f, false, false, true, FS_BLANK,
         kBlack, false},
    };
    return layout;
}

GameLayout MakeSmallLayout() {
    GameLayout layout{CZ_SMALL, 510, 392, "sKlondike", {}, 122};
    layout.rows = {
        {"DeckPileView", PileRole::Stock, 1, 8, 0, 8, 0, 96, 101, 1.0f, 0.2f, false, false, false, FS_RECYCLE,
         std::nullopt, false},
        {"DiscardPileView", PileRole::Waste, 1, 120, 0, 8, 0, 107, 101, 20.0f, 2.0f, false, true, false, FS_BLANK,
         std::nullopt, false},
        {"FoundationPile", PileRole::Foundation, 4, 248, 64, 8, 0, 61, 95, 0.0f, 0.0f, true},
        {"TableauPileView", PileRole::Tableau, 7, 8, 72, 120, 0, 61, 270, 0.0f, 16.0f, false, true},
        {"RecyclePileView", PileRole::Recycle, 1, 464, 0, 104, 0, 25, 25, 0.0f, 0.0f, false, false, true, FS_BLANK,
         kBlack, false},
    };
    return layout;
}

}  // namespace

const GameLayout& KlondikeLargeLayout() {
    static const GameLayout layout = MakeLargeLayout();
    return layout;
}

const GameLayout& KlondikeSmallLayout() {
    static const GameLayout layout = MakeSmallLayout();
    return layout;
}

MenuTable KlondikeMenu() {
    return {
        {"Undo1", "&Undo", "Ctrl+Z", false},
        {"N3", "-", ""},
        {"Autoplay1", "&Autoplay", "Ctrl+A", true, false, true, true},
        {"N2", "-", ""},
        {"DrawThree1", "Draw &Three", "", true, true, true, true},
        {"DrawOne1", "Draw &One", "", true, false, true, true},
        {"N1", "-", ""},
        {"NewGame1", "&New Game", "Ctrl+N"},
        {"Restart1", "&Restart", "Ctrl+R"},
        {"Preferences1", "&Preferences...", "Ctrl+P"},
        {"About1", "Rul&es...", "F1"},
        {"Statistics1", "&Statistics...", "Ctrl+S"},
    };
}
