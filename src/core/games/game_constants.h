#pragma once

#include <string>

// What distinguishes one game from another in the shared protocol.
struct GameConstants {
    std::string gameName;        // in captions and confirmation texts
    std::string settingsSection; // options and statistics, shared by both windows
    int confirmationLimit;       // move count from which quitting asks and records
    int winningScore;
    int helpTopic;
    int decks;
};
