#include "shell/input_blocker.h"

#include <QCoreApplication>
#include <QMouseEvent>

namespace {

bool IsUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::NonClientAreaMouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::NativeGesture:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

}  // namespace

TInputBlocker::TInputBlocker() {
    QCoreApplication::instance()->installEventFilter(this);
}

TInputBlocker::~TInputBlocker() {
    QCoreApplication::instance()->removeEventFilter(this);
    for (TDeferredEvent& deferred : Deferred)
        if (deferred.Receiver) QCoreApplication::postEvent(deferred.Receiver, deferred.Event.release());
}

bool TInputBlocker::eventFilter(QObject* watched, QEvent* event) {
    if (!IsUserInput(event->type())) return false;

    const auto type = event->type();
    if (type == QEvent::Close) {
        event->ignore();  // a close event left accepted lets QWidget::close() go ahead
    } else if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        SwallowedPresses |= static_cast<QMouseEvent*>(event)->button();
    } else if (type == QEvent::MouseButtonRelease) {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        if (SwallowedPresses & button)
            SwallowedPresses &= ~Qt::MouseButtons(button);
        else
            Deferred.push_back({watched, std::unique_ptr<QEvent>(event->clone())});
    }
    return true;
}
