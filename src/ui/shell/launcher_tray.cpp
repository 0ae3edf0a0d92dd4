#include "shell/launcher_tray.h"

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>

TLauncherTray::TLauncherTray(const QPixmap& icon, std::function<void()> restore, std::function<void()> exit)
    : menu_(std::make_unique<QMenu>()), icon_(std::make_unique<QSystemTrayIcon>(QIcon(icon))) {
    QAction* restore1 = menu_->addAction(QStringLiteral("&Restore"));
    restore1->setObjectName(QStringLiteral("Restore1"));
    QObject::connect(restore1, &QAction::triggered, restore1, restore);
    QAction* exit1 = menu_->addAction(QStringLiteral("&Exit"));
    exit1->setObjectName(QStringLiteral("Exit1"));
    QObject::connect(exit1, &QAction::triggered, exit1, exit);

    icon_->setToolTip(QStringLiteral("Tablewise!"));
    icon_->setContextMenu(menu_.get());
    QObject::connect(icon_.get(), &QSystemTrayIcon::activated, icon_.get(),
                     [restore](QSystemTrayIcon::ActivationReason reason) {
                         if (reason == QSystemTrayIcon::DoubleClick) restore();
                     });
}

// The icon goes before the menu it refers to.
TLauncherTray::~TLauncherTray() { icon_.reset(); }

void TLauncherTray::SetActive(bool active) {
    active_ = active;
    icon_->setVisible(active);
}

bool TLauncherTray::Available() const { return QSystemTrayIcon::isSystemTrayAvailable(); }
