// Times one step of a drag of a twelve-card run across the Klondike table: the
// pointer moves, the lifted cards follow, the pile under them answers, and the
// window repaints what changed.
//   drag_frame
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTest>
#include <cstdio>

#include "cards/shuffle.h"
#include "games/game_window.h"
#include "games/pile_widget.h"
#include "games/registry.h"
#include "games/shell_services.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Shell().settingsFile = "/tmp/tablewise-drag-frame.ini";
    shuffle::FixNextDealSeed(7);
    GameWindow* window = OpenGameWindow(*FindGame("Klondike"), CZ_LARGE);
    QApplication::processEvents();
    // A run of twelve, King down to Two in alternating colours, lifted whole.
    TCardPileView& run = *window->Game().View("TableauPileView1");
    run.Pile.Empty(true);
    for (int value = CV_KING; value >= CV_TWO; --value)
        run.Pile.AddCard(std::make_shared<TCard>(value % 2 ? CS_SPADES : CS_HEARTS, value, true));
    run.Height = 491 - 152;
    window->RefreshPiles();
    QApplication::processEvents();
    PileWidget* column = window->WidgetFor(run);
    const QPoint grab(20, 10);
    QTest::mousePress(column, Qt::LeftButton, Qt::NoModifier, grab);
    constexpr int kSteps = 400;
    QElapsedTimer timer;
    timer.start();
    qint64 worst = 0;
    for (int i = 0; i < kSteps; ++i) {
        QElapsedTimer step;
        step.start();
        const QPoint inWindow(60 + (i * 7) % 560, 60 + (i * 3) % 380);
        const QPoint local = column->mapFrom(window, inWindow);
        QMouseEvent move(QEvent::MouseMove, local, column->mapToGlobal(local), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(column, &move);
        window->repaint();
        worst = std::max(worst, step.nsecsElapsed());
    }
    const double average = static_cast<double>(timer.nsecsElapsed()) / kSteps / 1e6;
    std::printf("drag step: %.3f ms on average, %.3f ms at worst (a 60 Hz frame is 16.7 ms)\n", average,
                static_cast<double>(worst) / 1e6);
    QTest::mouseRelease(column, Qt::LeftButton, Qt::NoModifier, grab);
    delete window;
    return 0;
}
