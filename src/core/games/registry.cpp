#include "games/registry.h"

#include "games/freecell.h"
#include "games/klondike.h"
#include "games/sea_towers.h"

namespace {

template <typename Game>
std::unique_ptr<SolitaireGame> Make(const GameLayout& layout, GameHost& host, std::filesystem::path settings) {
    return std::make_unique<Game>(layout, host, std::move(settings));
}

// The free-cell games are one class played by different rules.
template <FreeCellRules (*Rules)()>
std::unique_ptr<SolitaireGame> MakeFreeCell(const GameLayout& layout, GameHost& host, std::filesystem::path settings) {
    return std::make_unique<FreeCellGame>(Rules(), layout, host, std::move(settings));
}

const GameLayout* KlondikeLarge() { return &KlondikeLargeLayout(); }
const GameLayout* KlondikeSmall() { return &KlondikeSmallLayout(); }
const GameLayout* FreeCellLarge() { return &FreeCellLargeLayout(); }
const GameLayout* FreeCellSmall() { return &FreeCellSmallLayout(); }
const GameLayout* SeaTowersLarge() { return &SeaTowersLargeLayout(); }
const GameLayout* SeaTowersSmall() { return &SeaTowersSmallLayout(); }

std::vector<GameEntry> MakeRegistry() {
    // Game name, settings section, confirmation limit, winning score, help topic, decks.
    return {
        {"Beleaguered Castle", "CASTLE", "TCastleForm", "TsCastleForm",
         {"Beleaguered Castle", "Castle", 5, 52, 1001, 1}, true, nullptr, nullptr, nullptr},
        {"Double Klondike", "DBLKLONDIKE", "TDblKlondikeForm", "TsDblKlondikeForm",
         {"Double Klondike", "DoubleKlondike", 5, 104, 1002, 2}, false, nullptr, nullptr, nullptr},
        {"Forty Thieves", "FORTYTHIEVES", "TFortyThievesForm", "TsFortyThievesForm",
         {"Forty Thieves", "FortyThieves", 10, 104, 1003, 2}, false, nullptr, nullptr, nullptr},
        {"Free Cell", "FREECELL", "TFreeCellForm", "TsFreeCellForm", FreeCellGameRules().constants, true,
         MakeFreeCell<FreeCellGameRules>, FreeCellLarge, FreeCellSmall},
        {"Golf", "GOLF", "TGolfForm", "TsGolfForm", {"Golf", "Golf", 5, 52, 1005, 1}, true, nullptr, nullptr, nullptr},
        {"Indian Patience", "INDIAN", "TIndianPatienceForm", "TsIndianPatienceForm",
         {"Indian Patience", "IndianPatience", 10, 104, 1006, 2}, false, nullptr, nullptr, nullptr},
        {"Klondike", "KLONDIKE", "TKlondikeForm", "TsKlondikeForm", KlondikeGame::KlondikeConstants(), true,
         Make<KlondikeGame>, KlondikeLarge, KlondikeSmall},
        {"Montana", "MONTANA", "TMontanaForm", "TsMontanaForm", {"Montana", "Montana", 5, 48, 1008, 1}, false, nullptr,
         nullptr, nullptr},
        {"Pyramid", "PYRAMID", "TPyramidForm", "TsPyramidForm", {"Pyramid", "Pyramid", 5, 52, 1009, 1}, true, nullptr,
         nullptr, nullptr},
        {"Queen of Italy", "QUEENITALY", "TQueenItalyForm", "TsQueenItalyForm",
         {"Queen of Italy", "QueenItaly", 5, 104, 1010, 2}, false, nullptr, nullptr, nullptr},
        {"Sea Towers", "SEAHAVEN", "TSeaHavenForm", "TsSeaHavenForm", SeaTowersGameRules().constants, false,
         MakeFreeCell<SeaTowersGameRules>, SeaTowersLarge, SeaTowersSmall},
        {"Spider", "SPIDER", "TSpiderForm", "TsSpiderForm", {"Spider", "Spider", 10, 104, 1012, 2}, false, nullptr,
         nullptr, nullptr},
    };
}

}  // namespace

const std::vector<GameEntry>& GameRegistry() {
    static const std::vector<GameEntry> registry = MakeRegistry();
    return registry;
}

const GameEntry* FindGame(const std::string& listText) {
    for (const GameEntry& entry : GameRegistry())
        if (entry.listText == listText) return &entry;
    return nullptr;
}
