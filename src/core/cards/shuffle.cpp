#include "cards/shuffle.h"

#include <chrono>
#include <optional>

namespace shuffle {
namespace {

constexpr std::uint32_t kMultiplier = 22695477u;
constexpr std::uint32_t kIncrement = 1u;
constexpr int kDrawShift = 16;
constexpr int kDrawMask = 32767;

std::uint32_t state = 0;
std::uint32_t dealCounter = 0;
std::optional<std::uint32_t> fixedNextSeed;

}  // namespace

void Seed(std::uint32_t seed) { state = seed; }

int Draw() {
    state = state * kMultiplier + kIncrement;
    return static_cast<int>((state >> kDrawShift) & kDrawMask);
}

void FixNextDealSeed(std::uint32_t seed) { fixedNextSeed = seed; }

void SeedForNewDeal() {
    if (fixedNextSeed) {
        Seed(*fixedNextSeed);
        fixedNextSeed.reset();
        return;
    }
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count() ^
                       std::chrono::system_clock::now().time_since_epoch().count();
    const auto mixed = static_cast<std::uint64_t>(ticks) * 0x9E3779B97F4A7C15ull + (++dealCounter) * 0x632BE59BD9B4E019ull;
    Seed(static_cast<std::uint32_t>(mixed ^ (mixed >> 32)));
}

}  // namespace shuffle
