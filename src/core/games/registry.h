#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "games/protocol.h"

// One row per game, in the launcher's order: everything the shell needs to open it.
struct GameEntry {
    std::string listText;         // "Beleaguered Castle", as the launcher lists it
    std::string previewResource;  // "CASTLE"
    std::string largeWindowClass; // "TCastleForm"
    std::string smallWindowClass; // "TsCastleForm"
    GameConstants constants;
    // Needs 800 pixels of desktop with large cards and none with small (else 1024 and 800).
    bool fitsSvga;
    // Null until the game is built; the layouts likewise.
    std::function<std::unique_ptr<SolitaireGame>(const GameLayout&, GameHost&, std::filesystem::path)> make;
    const GameLayout* (*largeLayout)();
    const GameLayout* (*smallLayout)();

    bool Playable() const { return static_cast<bool>(make); }
    const GameLayout* LayoutFor(_CardSize size) const {
        return size == CZ_SMALL ? (smallLayout ? smallLayout() : nullptr) : (largeLayout ? largeLayout() : nullptr);
    }
};

const std::vector<GameEntry>& GameRegistry();
const GameEntry* FindGame(const std::string& listText);
