#pragma once

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "cards/shuffle.h"
#include "games/game_window.h"
#include "games/pile_widget.h"
#include "games/shell_services.h"
#include "support/scratch_folder.h"

// A game window on its own settings file, with the shell's hooks recorded.
class WindowTest : public ::testing::Test {
protected:
    WindowTest() {
        saved_ = Shell();
        Shell().settingsFile = folder_.Path() / "Solitaire.ini";
        Shell().setCloseAllowed = [this](bool allowed) { closeAllowed = allowed; };
        Shell().dealAnimation = [] { return false; };
    }
    ~WindowTest() override {
        for (const GameEntry& entry : GameRegistry())
            for (const std::string& name : {entry.largeWindowClass, entry.smallWindowClass})
                if (QPointer<GameWindow>& window = WindowReference(name)) delete window.data();
        Shell() = saved_;
    }

    GameWindow& Open(const std::string& game, _CardSize size, std::uint32_t seed = 20261211) {
        shuffle::FixNextDealSeed(seed);
        GameWindow* window = OpenGameWindow(*FindGame(game), size);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        return *window;
    }

    static PileWidget& Pile(GameWindow& window, const std::string& viewName) {
        return *window.WidgetFor(*window.Game().View(viewName));
    }

    // A left-button drag from one point of a pile to a point of the window.
    static void DragTo(GameWindow& window, PileWidget& from, QPoint start, QPoint endInWindow) {
        QTest::mousePress(&from, Qt::LeftButton, Qt::NoModifier, start);
        const QPoint startInWindow = from.mapTo(&window, start);
        for (int step = 1; step <= 4; ++step) {
            const QPoint at = startInWindow + (endInWindow - startInWindow) * step / 4;
            QMouseEvent move(QEvent::MouseMove, from.mapFrom(&window, at), from.mapToGlobal(from.mapFrom(&window, at)),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&from, &move);
        }
        QTest::mouseRelease(&from, Qt::LeftButton, Qt::NoModifier, from.mapFrom(&window, endInWindow));
    }

    ScratchFolder folder_;
    ShellServices saved_;
    bool closeAllowed = false;
};
