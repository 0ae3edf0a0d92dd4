#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "games/game_window.h"
#include "games/registry.h"
#include "games/shell_services.h"
#include "shell/display_probe.h"
#include "shell/solitaire_form.h"
#include "shell/tablewise_app.h"
#include "support/scratch_folder.h"

// The program's long-lived windows as the entry makes them, on a settings file of the
// test's own, a desktop of the test's choosing and silent preferences.
class LauncherTest : public ::testing::Test {
protected:
    LauncherTest() : savedShell_(Shell()), savedDisplay_(DesktopDisplay()) {
        Shell().settingsFile = folder_.Path() / "Solitaire.ini";
        DesktopDisplay() = {[this] { return desktopWidth; }, [this] { return colorDepth; }};
    }
    ~LauncherTest() override {
        polls_.clear();
        session_.reset();
        ReleaseGameWindows();
        Shell() = savedShell_;
        DesktopDisplay() = savedDisplay_;
    }

    // Writes the preferences (sounds and deal animation off unless given), then starts.
    TSolitaireForm& Start(std::map<std::string, std::string> preferences = {}) {
        preferences.emplace("DoSound", "False");
        preferences.emplace("DoAnimation", "False");
        preferences.emplace("CardSize", "1");
        // Written in one go: every write through the settings engine is a synced file.
        std::ofstream file(Shell().settingsFile);
        file << "[Preferences]\n";
        for (const auto& [key, value] : preferences) file << key << '=' << value << '\n';
        file.close();
        session_.reset();
        session_ = std::make_unique<TablewiseSession>();
        return *session_->launcher;
    }
    TablewiseSession& Session() { return *session_; }

    // Windows closed earlier are released only by the event loop; let that happen.
    static void FlushClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    static GameWindow* Window(const std::string& windowClass) {
        FlushClosedWindows();
        return WindowReference(windowClass).data();
    }

    // Runs `answer` on the next modal window of that kind as soon as it is up.
    template <typename Modal>
    void WhenModal(std::function<void(Modal&)> answer) {
        auto& poll = polls_.emplace_back(std::make_unique<QTimer>());
        QTimer* timer = poll.get();
        timer->setInterval(5);
        QObject::connect(timer, &QTimer::timeout, timer, [timer, answer] {
            if (auto* modal = qobject_cast<Modal*>(QApplication::activeModalWidget())) {
                timer->stop();
                answer(*modal);
            }
        });
        timer->start();
    }

    int desktopWidth = 1280;
    int colorDepth = 24;

private:
    static void ReleaseGameWindows() {
        FlushClosedWindows();
        for (const GameEntry& game : GameRegistry())
            for (const std::string& name : {game.largeWindowClass, game.smallWindowClass})
                if (QPointer<GameWindow>& window = WindowReference(name)) delete window.data();
    }

    ScratchFolder folder_;
    ShellServices savedShell_;
    DisplayProbe savedDisplay_;
    std::unique_ptr<TablewiseSession> session_;
    std::vector<std::unique_ptr<QTimer>> polls_;
};
