#include "shell/display_probe.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// Without a screen there is nothing to refuse: answer as a roomy true-colour desktop.
constexpr int kNoScreenWidth = 1024;
constexpr int kNoScreenDepth = 24;

int PrimaryScreenWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : kNoScreenWidth;
}

int PrimaryScreenDepth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : kNoScreenDepth;
}

}  // namespace

DisplayProbe& DesktopDisplay() {
    static DisplayProbe probe{PrimaryScreenWidth, PrimaryScreenDepth};
    return probe;
}
