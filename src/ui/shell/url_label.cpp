#include "shell/url_label.h"

#include <QDesktopServices>
#include <QMouseEvent>

namespace {

const QColor kNavy(0, 0, 128);
const QColor kMaroon(128, 0, 0);

}  // namespace

TUrlLabel::TUrlLabel(const QString& text, const QUrl& target, QWidget* parent) : QLabel(text, parent), target_(target) {
    QFont underlined = font();
    underlined.setBold(true);
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    setToolTip(target.toString());
    SetInk(kNavy);
}

void TUrlLabel::SetInk(const QColor& colour) {
    QPalette ink = palette();
    ink.setColor(QPalette::WindowText, colour);
    setPalette(ink);
}

void TUrlLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) SetInk(kMaroon);
    QLabel::mousePressEvent(event);
}

void TUrlLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        SetInk(kNavy);
        if (rect().contains(event->position().toPoint())) QDesktopServices::openUrl(target_);
    }
    QLabel::mouseReleaseEvent(event);
}
