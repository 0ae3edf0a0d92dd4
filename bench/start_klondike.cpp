// Start-up of the Klondike window, from process start to its first painted table.
#include "first_paint.h"
#include "games/game_window.h"
#include "games/registry.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    GameWindow* window = OpenGameWindow(*FindGame("Klondike"), CZ_LARGE);
    QuitAfterFirstPaint quit(*window);
    return QApplication::exec();  // quitting closes the window, which deletes itself
}
