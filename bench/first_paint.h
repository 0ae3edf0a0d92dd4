#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

// Ends the program once the watched window has painted for the first time, so that a
// stopwatch around the whole process measures start to first picture.
class QuitAfterFirstPaint : public QObject {
public:
    explicit QuitAfterFirstPaint(QObject& window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
        return false;
    }

private:
    bool seen_ = false;
};
