#include "services/statistics.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "services/value_codec.h"

namespace {

// Counters come from a file anyone can edit; arithmetic on them must not overflow.
int Clamped(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

int Incremented(std::int64_t value) { return Clamped(value + 1); }

void RecordWin(TProfile& profile, double nowDayNumber) {
    const auto won = profile.ReadInteger(kGamesWonKey);
    profile.WriteInteger(kGamesWonKey, won ? Incremented(*won) : 1);

    const bool lastGameWon = profile.ReadBoolean(kLastGameKey).value_or(false);
    profile.WriteBoolean(kLastGameKey, true);

    const auto current = profile.ReadInteger(kCurrentStreakKey);
    const int streak = (current && lastGameWon) ? Incremented(*current) : 1;
    profile.WriteInteger(kCurrentStreakKey, streak);

    // A tie with the record moves its date forward.
    const auto longest = profile.ReadInteger(kLongestStreakKey);
    if (!longest || *longest <= streak) {
        profile.WriteInteger(kLongestStreakKey, streak);
        profile.WriteText(kLongestStreakDateKey, TextFromDayNumber(nowDayNumber));
    }
}

// The average of the lost games, rounded half up in truncating integer division:
// q + 1 when the remainder reaches half the divisor.
int NewAverage(std::int64_t average, std::int64_t earlierLosses, int score) {
    const std::int64_t total = score + average * earlierLosses;
    const std::int64_t divisor = earlierLosses + 1;
    // Only a damaged file can claim more wins than games; then the average starts over.
    if (divisor == 0) return score;
    const std::int64_t quotient = total / divisor;
    const std::int64_t remainder = total % divisor;
    return Clamped(remainder >= divisor / 2 ? quotient + 1 : quotient);
}

void RecordLoss(TProfile& profile, int attemptedBefore, int score) {
    profile.WriteBoolean(kLastGameKey, false);
    profile.WriteInteger(kCurrentStreakKey, 0);

    const auto won = profile.ReadInteger(kGamesWonKey);
    const int earlierLosses = Clamped(static_cast<std::int64_t>(attemptedBefore) - (won ? *won : 0));
    const auto average = profile.ReadInteger(kAvgScoreKey);
    profile.WriteInteger(kAvgScoreKey, average ? NewAverage(*average, earlierLosses, score) : score);
}

}  // namespace

void UpdateStatistics(TProfile& profile, const GameRecord& game, double nowDayNumber) {
    if (game.moveCount < game.confirmationLimit) return;

    // k is the count before this game when there was one, else 1.
    const auto attempted = profile.ReadInteger(kGamesAttemptedKey);
    const int k = attempted ? *attempted : 1;
    profile.WriteInteger(kGamesAttemptedKey, attempted ? Incremented(k) : 1);

    if (game.won) {
        RecordWin(profile, nowDayNumber);
    } else {
        RecordLoss(profile, k, game.score);
    }
}
