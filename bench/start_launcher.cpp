// Start-up of the program as the player sees it: the entry's windows made in their
// order, the launcher shown, and the program ended once the launcher has painted.
// Run it under a stopwatch to time process start to the first picture; it also prints
// the time from its own main() to that paint.
#include <QElapsedTimer>

#include <cstdio>

#include "first_paint.h"
#include "shell/solitaire_form.h"
#include "shell/tablewise_app.h"

int main(int argc, char** argv) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tablewise!"));
    QApplication::setQuitOnLastWindowClosed(false);
    TablewiseSession session;
    session.launcher->show();
    QuitAfterFirstPaint quit(*session.launcher);
    const int result = QApplication::exec();
    std::printf("main() to the launcher's first paint: %lld ms\n", static_cast<long long>(sinceMain.elapsed()));
    return result;
}
