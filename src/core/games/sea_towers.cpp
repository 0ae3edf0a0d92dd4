#include "games/sea_towers.h"

namespace {

constexpr int kSeaTowersRows = 5;
// The 51st card dealt goes to free cell 3; the 52nd, the last, to free cell 2.
constexpr int kCellOfCard51 = 3;
constexpr int kCellOfCard52 = 2;

}  // namespace

FreeCellRules SeaTowersGameRules() {
    return {{"Sea Towers", "SeaHavenTowers", 5, 52, 1011, 1},
            kSeaTowersRows,
            {kCellOfCard51, kCellOfCard52},
            true,
            true,
            false};
}
