#pragma once

#include <cstdint>

// The process-wide shuffle generator: state = state * 22695477 + 1 (mod 2^32),
// each draw yields bits 16..30 of the new state (0..32767).
namespace shuffle {

void Seed(std::uint32_t seed);
int Draw();

// Seeds once for a new deal: with the seed a caller fixed for the next deal when
// there is one (reproducible deals), otherwise from the clock at sub-second
// resolution mixed with a counter, so two deals in one second differ.
void SeedForNewDeal();
void FixNextDealSeed(std::uint32_t seed);

}  // namespace shuffle
