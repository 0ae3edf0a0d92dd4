#pragma once

#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

class QEvent;

// While it lives, the whole application takes no user input: mouse, keys,
// wheel, touch, tablet, shortcuts and window-close requests are dropped, while
// painting and timers go on. It is how a sound that the game waits for holds the
// game still without freezing the screen.
//
// One exception keeps widgets sane: a mouse release whose press was delivered
// before the block began is held back and delivered when the block ends, so a
// widget that saw a press always sees its release (a double-click that starts a
// waited sound finishes its click afterwards).
class TInputBlocker : public QObject {
public:
    TInputBlocker();
    ~TInputBlocker() override;
    TInputBlocker(const TInputBlocker&) = delete;
    TInputBlocker& operator=(const TInputBlocker&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TDeferredEvent {
        QPointer<QObject> Receiver;
        std::unique_ptr<QEvent> Event;
    };

    Qt::MouseButtons SwallowedPresses;
    std::vector<TDeferredEvent> Deferred;
};
