// Saves pictures of the program's windows, for looking at them without a screen:
//   window_shots [folder]
#include <QApplication>
#include <QDir>

#include "cards/shuffle.h"
#include "games/game_window.h"
#include "games/registry.h"
#include "games/shell_services.h"
#include "shell/help_viewer.h"
#include "shell/win_form.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? argv[1] : QDir::tempPath();
    Shell().settingsFile = (QDir::tempPath() + "/tablewise-shots.ini").toStdString();
    for (const GameEntry& entry : GameRegistry()) {
        if (!entry.Playable()) continue;
        for (_CardSize size : {CZ_LARGE, CZ_SMALL}) {
            shuffle::FixNextDealSeed(2026);
            GameWindow* window = OpenGameWindow(entry, size);
            QApplication::processEvents();
            window->grab().save(folder + "/" + QString::fromStdString(size == CZ_LARGE ? entry.largeWindowClass
                                                                                      : entry.smallWindowClass) +
                                ".png");
            delete window;
        }
    }
    TWinForm win;
    win.show();
    win.Advance();
    win.Advance();
    win.grab().save(folder + "/TWinForm.png");
    HelpViewer::ShowTopic(1007);
    QApplication::processEvents();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->windowTitle() == "Tablewise! Help") window->grab().save(folder + "/HelpViewer.png");
    return 0;
}
