#pragma once

#include <functional>

// What the launcher asks of the display before it opens a game: the primary screen's
// width in pixels and its colour depth in bits. Tests put other answers in.
struct DisplayProbe {
    std::function<int()> desktopWidth;
    std::function<int()> colorDepth;
};

// The probe of this run; by default it reads the primary screen.
DisplayProbe& DesktopDisplay();
