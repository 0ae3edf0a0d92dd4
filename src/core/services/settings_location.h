#pragma once

#include <filesystem>

// The one settings file every window shares: Solitaire.ini in the Tablewise folder
// of the user's configuration home ($XDG_CONFIG_HOME, by default ~/.config).
std::filesystem::path SettingsFilePath();
