#pragma once

// The two card sizes; every window of the program shows cards of one size.
enum _CardSize : int { CZ_SMALL = 0, CZ_LARGE = 1 };

struct CardDimensions {
    int width;
    int height;
};

constexpr CardDimensions LARGE_CARD{80, 125};
constexpr CardDimensions SMALL_CARD{61, 95};

constexpr CardDimensions DimensionsOf(_CardSize size) { return size == CZ_SMALL ? SMALL_CARD : LARGE_CARD; }
