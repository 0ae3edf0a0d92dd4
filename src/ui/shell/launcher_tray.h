#pragma once

#include <QPixmap>

#include <functional>
#include <memory>

class QMenu;
class QSystemTrayIcon;

// The launcher's icon in the system tray, with its "&Restore" and "&Exit" menu; a
// double click restores as "&Restore" does. Made only when tray mode is first asked for.
class TLauncherTray {
public:
    TLauncherTray(const QPixmap& icon, std::function<void()> restore, std::function<void()> exit);
    ~TLauncherTray();
    TLauncherTray(const TLauncherTray&) = delete;
    TLauncherTray& operator=(const TLauncherTray&) = delete;

    void SetActive(bool active);
    bool Active() const { return active_; }
    // Whether the desktop shows tray icons at all; without one a hidden launcher
    // could not be brought back.
    bool Available() const;
    QMenu& TrayPopupMenu() const { return *menu_; }

private:
    std::unique_ptr<QMenu> menu_;
    std::unique_ptr<QSystemTrayIcon> icon_;
    bool active_ = false;
};
