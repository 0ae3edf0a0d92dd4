#pragma once

#include <string_view>

#include "services/profile.h"

// The statistics keys each game keeps in its own section.
inline constexpr std::string_view kGamesAttemptedKey = "GamesAttempted";
inline constexpr std::string_view kGamesWonKey = "GamesWon";
inline constexpr std::string_view kLastGameKey = "LastGame";
inline constexpr std::string_view kCurrentStreakKey = "CurrentStreak";
inline constexpr std::string_view kLongestStreakKey = "LongestStreak";
inline constexpr std::string_view kLongestStreakDateKey = "LongestStreakDate";
inline constexpr std::string_view kAvgScoreKey = "AvgScore";

// What a game window knows of the game it records.
struct GameRecord {
    int moveCount = 0;
    int confirmationLimit = 0;
    bool won = false;
    int score = 0;
};

// Records a won or abandoned game in the profile's section. A game with fewer
// moves than its confirmation limit was hardly played and is not recorded, won or
// not. nowDayNumber dates a new longest streak (callers pass LocalNowDayNumber()).
void UpdateStatistics(TProfile& profile, const GameRecord& game, double nowDayNumber);
