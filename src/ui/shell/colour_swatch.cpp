#include "shell/colour_swatch.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

ColourSwatch::ColourSwatch(const QColor& colour, QWidget* parent)
    : QFrame(parent), colour_(colour) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setCursor(Qt::PointingHandCursor);
    // Reachable from the keyboard as well: Space or Enter opens the colour dialog.
    setFocusPolicy(Qt::TabFocus);
}

void ColourSwatch::SetColour(const QColor& colour) {
    if (colour == colour_) return;
    colour_ = colour;
    update();
}

void ColourSwatch::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.fillRect(contentsRect(), colour_);
        if (hasFocus()) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
            painter.drawRect(contentsRect().adjusted(1, 1, -2, -2));
        }
    }
    QFrame::paintEvent(event);
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
        return;
    }
    QFrame::mouseReleaseEvent(event);
}

void ColourSwatch::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        emit clicked();
        return;
    }
    QFrame::keyPressEvent(event);
}
