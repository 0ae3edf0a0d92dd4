#pragma once

#include <filesystem>
#include <functional>

#include "games/game_host.h"

class QWidget;

// What a game window asks of the shell around it. The entry and the launcher fill
// these in; until a side window exists its hook keeps a harmless default.
struct ShellServices {
    std::function<int(QWidget* parent)> showWinWindow = [](QWidget*) { return int(WIN_OK); };
    std::function<void(QWidget* parent)> showStatistics = [](QWidget*) {};
    std::function<void(QWidget* parent)> showPreferences = [](QWidget*) {};
    std::function<void(int topic)> showHelp = [](int) {};
    std::function<void(Sound)> play = [](Sound) {};
    std::function<bool()> dealAnimation = [] { return true; };
    std::function<void(bool)> setCloseAllowed = [](bool) {};
    // Paints the table of a window: its colour, gradient or tiled picture.
    std::function<void(QWidget& window)> applyBackground = [](QWidget&) {};
    std::filesystem::path settingsFile;
};

// The one set of services of this run.
ShellServices& Shell();
