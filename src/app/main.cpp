#include <QApplication>

#include "games/game_window.h"
#include "games/registry.h"
#include "services/profile.h"
#include "games/shell_services.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tablewise!");
    TProfile preferences("Preferences", Shell().settingsFile);
    const _CardSize size = preferences.ReadInteger("CardSize").value_or(1) == 0 ? CZ_SMALL : CZ_LARGE;
    OpenGameWindow(*FindGame("Klondike"), size);
    return QApplication::exec();
}
