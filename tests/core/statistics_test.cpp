#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "support/scratch_folder.h"
#include "services/ini_file.h"
#include "services/statistics.h"
#include "services/value_codec.h"

namespace {

constexpr int kKlondikeLimit = 5;
constexpr double kFirstDay = 46000.25;

struct StatisticsTest : ::testing::Test {
    ScratchFolder folder;
    std::filesystem::path file = folder.Path() / "Solitaire.ini";
    TProfile profile{"Klondike", file};

    void Play(bool won, int score = 0, double when = kFirstDay, int moves = kKlondikeLimit) {
        UpdateStatistics(profile, GameRecord{moves, kKlondikeLimit, won, score}, when);
    }
    std::optional<std::string> Stored(std::string_view key) const { return IniFile(file).Read("Klondike", key); }
    void Store(std::string_view key, std::string_view value) { ASSERT_TRUE(IniFile(file).Write("Klondike", key, value)); }
    // Everything the game section holds, so a test can say which keys must be absent.
    std::map<std::string, std::string> All() const {
        std::map<std::string, std::string> keys;
        for (const char* key : {"GamesAttempted", "GamesWon", "LastGame", "CurrentStreak", "LongestStreak",
                                "LongestStreakDate", "AvgScore"}) {
            if (auto value = Stored(key)) keys[key] = *value;
        }
        return keys;
    }
};

TEST_F(StatisticsTest, TooFewMovesRecordNothingEvenAWin) {
    const struct {
        int moves, limit;
        bool won;
    } cases[] = {{4, 5, true}, {4, 5, false}, {9, 10, true}, {0, 5, false}};
    for (const auto& c : cases) UpdateStatistics(profile, GameRecord{c.moves, c.limit, c.won, 3}, kFirstDay);
    EXPECT_FALSE(std::filesystem::exists(file));

    UpdateStatistics(profile, GameRecord{10, 10, false, 3}, kFirstDay);
    EXPECT_EQ(Stored("GamesAttempted"), "1");
}

TEST_F(StatisticsTest, FirstGameWon) {
    Play(true, 52);
    const std::map<std::string, std::string> expected{
        {"GamesAttempted", "1"}, {"GamesWon", "1"},      {"LastGame", "True"},
        {"CurrentStreak", "1"},  {"LongestStreak", "1"}, {"LongestStreakDate", TextFromDayNumber(kFirstDay)},
    };
    EXPECT_EQ(All(), expected);
}

TEST_F(StatisticsTest, FirstGameLostWithScoreSeven) {
    Play(false, 7);
    const std::map<std::string, std::string> expected{
        {"GamesAttempted", "1"}, {"LastGame", "False"}, {"CurrentStreak", "0"}, {"AvgScore", "7"}};
    EXPECT_EQ(All(), expected);
}

TEST_F(StatisticsTest, WinLossWinTiesTheRecordAndMovesItsDate) {
    Play(true, 52, kFirstDay);
    Play(false, 10, kFirstDay + 1);
    Play(true, 52, kFirstDay + 2);
    EXPECT_EQ(Stored("GamesAttempted"), "3");
    EXPECT_EQ(Stored("GamesWon"), "2");
    EXPECT_EQ(Stored("CurrentStreak"), "1");
    EXPECT_EQ(Stored("LongestStreak"), "1");
    EXPECT_EQ(Stored("LongestStreakDate"), TextFromDayNumber(kFirstDay + 2));
    EXPECT_EQ(Stored("AvgScore"), "10");
}

TEST_F(StatisticsTest, AShorterStreakKeepsTheRecordAndItsDate) {
    Play(true, 52, kFirstDay);
    Play(true, 52, kFirstDay + 1);
    Play(false, 4, kFirstDay + 2);
    Play(true, 52, kFirstDay + 3);
    EXPECT_EQ(Stored("CurrentStreak"), "1");
    EXPECT_EQ(Stored("LongestStreak"), "2");
    EXPECT_EQ(Stored("LongestStreakDate"), TextFromDayNumber(kFirstDay + 1));
}

TEST_F(StatisticsTest, ClearedStreaksStartOverEvenAfterAWin) {
    Play(true, 52);
    Play(true, 52);
    profile.WriteNone("LongestStreak");
    profile.WriteNone("CurrentStreak");
    Play(true, 52, kFirstDay + 5);
    EXPECT_EQ(Stored("LastGame"), "True");
    EXPECT_EQ(Stored("CurrentStreak"), "1");
    EXPECT_EQ(Stored("LongestStreak"), "1");
    EXPECT_EQ(Stored("LongestStreakDate"), TextFromDayNumber(kFirstDay + 5));
}

TEST_F(StatisticsTest, ClearedWinLossCountsStartAtOne) {
    Play(true, 52);
    Play(false, 9);
    for (const char* key : {"GamesAttempted", "GamesWon", "AvgScore"}) profile.WriteNone(key);
    Play(false, 6);
    EXPECT_EQ(Stored("GamesAttempted"), "1");
    EXPECT_EQ(Stored("GamesWon"), "None");
    EXPECT_EQ(Stored("AvgScore"), "6");
}

TEST_F(StatisticsTest, AverageOfLostGamesRoundsHalfUpWithTruncatingDivision) {
    const struct {
        const char* why;
        int average, earlierLosses, score, expected;
    } cases[] = {
        {"exact", 10, 1, 12, 11},
        {"remainder reaches the half", 10, 1, 11, 11},
        {"remainder one of three", 10, 2, 11, 11},
        {"no remainder", 10, 1, 10, 10},
        {"remainder below the half", 10, 3, 11, 10},
        {"negative total truncates toward zero", 0, 2, -1, 0},
        {"negative remainder never rounds up", -5, 1, -4, -4},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(file);
        constexpr int kWins = 2;
        Store("GamesAttempted", std::to_string(c.earlierLosses + kWins));
        Store("GamesWon", std::to_string(kWins));
        Store("AvgScore", std::to_string(c.average));
        Play(false, c.score);
        EXPECT_EQ(Stored("AvgScore"), std::to_string(c.expected)) << c.why;
    }
}

TEST_F(StatisticsTest, LossesCountAllGamesWhenNoneWereWon) {
    Store("GamesAttempted", "2");
    Store("AvgScore", "10");
    Play(false, 13);  // (13 + 10 * 2) / 3 = 11
    EXPECT_EQ(Stored("AvgScore"), "11");
    EXPECT_EQ(Stored("GamesAttempted"), "3");

    // Without a count of games, one earlier game is assumed: (12 + 10 * 1) / 2 = 11.
    profile.WriteNone("GamesAttempted");
    Store("AvgScore", "10");
    Play(false, 12);
    EXPECT_EQ(Stored("AvgScore"), "11");
}

TEST_F(StatisticsTest, DamagedCountsDoNotBreakTheRecording) {
    // More wins than games would divide by zero; the new score becomes the average.
    Store("GamesAttempted", "1");
    Store("GamesWon", "2");
    Store("AvgScore", "10");
    Play(false, 4);
    EXPECT_EQ(Stored("AvgScore"), "4");

    // A streak only goes on from a game recorded as won.
    Store("CurrentStreak", "3");
    Store("LastGame", "False");
    Play(true, 52);
    EXPECT_EQ(Stored("CurrentStreak"), "1");

    Store("GamesAttempted", "2147483647");
    Store("CurrentStreak", "junk");
    Store("LastGame", "yes");
    Play(true, 52);
    EXPECT_EQ(Stored("GamesAttempted"), "2147483647");
    EXPECT_EQ(Stored("CurrentStreak"), "1");
}

}  // namespace
