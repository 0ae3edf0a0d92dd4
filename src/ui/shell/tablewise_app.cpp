#include "shell/tablewise_app.h"

#include <QApplication>

#include "shell/preferences_dialog.h"
#include "shell/shell_artwork.h"
#include "shell/shell_wiring.h"
#include "shell/solitaire_form.h"
#include "shell/statistics_dialog.h"
#include "shell/sys_requirements_form.h"

namespace {

const char* const kApplicationTitle = "Tablewise!";

}  // namespace

TablewiseSession::TablewiseSession()
    : launcher(std::make_unique<TSolitaireForm>()),
      preferences(std::make_unique<TPreferencesDlg>()),
      requirements(std::make_unique<TSysRequirementsForm>()),
      statistics(std::make_unique<TStatisticsDlg>()) {
    SetStatisticsDlg(statistics.get());
    WireShellServices();
}

TablewiseSession::~TablewiseSession() { SetStatisticsDlg(nullptr); }

int RunTablewise(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QLatin1String(kApplicationTitle));
    QApplication::setWindowIcon(QPixmap::fromImage(RenderShellPicture(QStringLiteral("APPICON"))));
    // The launcher alone decides when the program ends, not the last window to close.
    QApplication::setQuitOnLastWindowClosed(false);

    int result = 0;
    {
        TablewiseSession session;
        QObject::connect(session.launcher.get(), &TSolitaireForm::Closed, &app, &QApplication::quit,
                         Qt::QueuedConnection);
        session.launcher->show();
        result = QApplication::exec();
        // Game windows closed on the way out are released before the session goes.
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return result;
}
