#pragma once

#include <cstdint>
#include <optional>
#include <string>

class TProfile;

// The player's preferences, as the "Preferences" section keeps them.
struct PreferenceValues {
    int BackIndex = 0;        // 0, 1, 2 built-in backs; 3 the custom picture
    int CardSize = 1;         // 0 small cards, 1 large cards
    int BackgroundIndex = 0;  // 0 solid colour, 1 gradient, 2 tiled picture
    int GradientIndex = 0;    // 0 vertical, 1 horizontal
    std::uint32_t BackgroundColor = 0x004000;  // 0x00BBGGRR, dark green
    std::uint32_t GradientStartColor = 0x004000;
    std::uint32_t GradientEndColor = 0x000000;
    bool DoAnimation = true;
    bool DoSound = true;
    bool MinimizeToTray = false;
    std::optional<std::string> CustomColors;
    std::optional<std::string> CustomImage;
    std::optional<std::string> BackgroundImage;
};

// Reads every preference with its default. A first start has no "CardSize": large
// cards when the desktop is wider than 800 pixels, and the choice is written at once.
PreferenceValues ReadPreferences(TProfile& profile, int desktopWidth);

// Writes what the dialog keeps on every close, in the file's usual order.
void WritePreferences(TProfile& profile, const PreferenceValues& values);
