#pragma once

#include <string>

#include "cards/card_size.h"

struct GameEntry;

// Why a game cannot be shown on this desktop.
enum DisplayShortfall : int {
    DISPLAY_FITS = 0,
    DISPLAY_NEEDS_SVGA = 1,  // narrower than 800 pixels
    DISPLAY_NEEDS_XGA = 2,   // narrower than 1024 pixels
};

// Five games fit 800 pixels with large cards and any desktop with small ones; the
// other seven need 1024 pixels with large cards and 800 with small. Only the width counts.
DisplayShortfall CheckDesktop(const GameEntry& game, _CardSize size, bool screenUnder800, bool screenUnder1024);

// The requirements dialog's text for a game that failed the desktop check.
std::string DisplayRequirementMessage(const GameEntry& game, DisplayShortfall reason);

// The requirements dialog's text for a display of 256 colours or fewer.
extern const char* const kColorDepthMessage;
// Displays of this many bits per pixel or fewer have a palette of 256 colours at most.
inline constexpr int kPaletteDepth = 8;
