#include "shell/display_check.h"

#include "games/registry.h"

namespace {

const char* const kNeedsSvgaForLargeCards =
    " requires at least SVGA (800x600) desktop area to play using the large card preference.\n\n"
    "Increase your desktop area or select the small card size preference.";
const char* const kNeedsXgaForLargeCards =
    " requires at least XGA (1024x768) desktop area to play using the large card preference.\n\n"
    "Increase your desktop area or select the small card size preference.";
const char* const kNeedsSvga =
    " requires at least SVGA (800x600) desktop area to play.\n\n"
    "Increase your desktop area to play.";

}  // namespace

const char* const kColorDepthMessage =
    "Tablewise requires at least high-color (16-bit) color palette setting to play.\n\n"
    "Please press the Help button below for more information.";

DisplayShortfall CheckDesktop(const GameEntry& game, _CardSize size, bool screenUnder800, bool screenUnder1024) {
    if (game.fitsSvga) return size == CZ_LARGE && screenUnder800 ? DISPLAY_NEEDS_SVGA : DISPLAY_FITS;
    if (size == CZ_LARGE) return screenUnder1024 ? DISPLAY_NEEDS_XGA : DISPLAY_FITS;
    return screenUnder800 ? DISPLAY_NEEDS_SVGA : DISPLAY_FITS;
}

std::string DisplayRequirementMessage(const GameEntry& game, DisplayShortfall reason) {
    // A game with a single requirement can only fail it with large cards, whatever the reason.
    const char* tail = game.fitsSvga                    ? kNeedsSvgaForLargeCards
                       : reason == DISPLAY_NEEDS_XGA ? kNeedsXgaForLargeCards
                                                       : kNeedsSvga;
    return game.constants.gameName + tail;
}
