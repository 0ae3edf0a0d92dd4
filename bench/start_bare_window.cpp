// The yardstick for start-up: a bare Qt Widgets window of Klondike's size, painted once.
#include <QWidget>

#include "first_paint.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(672, 491);
    window.setWindowTitle("Klondike");
    QuitAfterFirstPaint quit(window);
    window.show();
    return QApplication::exec();
}
