#include "cards/card_outline.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace card_art {

QImage NewCardCanvas(const CardMetrics& m, qreal devicePixelRatio, QRgb fill) {
    QImage canvas(qRound(m.size.width() * devicePixelRatio), qRound(m.size.height() * devicePixelRatio),
                  QImage::Format_RGB32);
    canvas.setDevicePixelRatio(devicePixelRatio);
    canvas.fill(fill);
    return canvas;
}

QPainterPath CardOutline(const CardMetrics& m) {
    QPainterPath outline;
    outline.addRoundedRect(QRectF(QPointF(0, 0), m.size), m.cornerRadius, m.cornerRadius);
    return outline;
}

bool PixelInsideOutline(const CardMetrics& m, const QImage& canvas, int x, int y) {
    const qreal ratio = canvas.devicePixelRatio();
    const qreal px = (x + 0.5) / ratio;
    const qreal py = (y + 0.5) / ratio;
    const qreal r = m.cornerRadius;
    const qreal cx = std::clamp(px, r, m.size.width() - r);
    const qreal cy = std::clamp(py, r, m.size.height() - r);
    const qreal dx = px - cx;
    const qreal dy = py - cy;
    return dx * dx + dy * dy <= r * r && px < m.size.width() && py < m.size.height();
}

void PaintBlankFace(QPainter& painter, const CardMetrics& m) {
    // The canvas starts in the edge colour, so the pixels the outline only partly
    // covers are edge-coloured rather than tinted by the key.
    const qreal inset = m.edgeWidth;
    const QRectF face = QRectF(QPointF(0, 0), m.size).adjusted(inset, inset, -inset, -inset);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kCardFace));
    painter.drawRoundedRect(face, m.cornerRadius - inset, m.cornerRadius - inset);
}

namespace {

// The run of pixels of one row that lies inside the outline, as [first, last). Only
// the rounded corners cut into a row, so a few tests from either end find it.
std::pair<int, int> InsideRun(const CardMetrics& m, const QImage& canvas, int y) {
    int first = 0;
    int last = canvas.width();
    while (first < last && !PixelInsideOutline(m, canvas, first, y)) ++first;
    while (last > first && !PixelInsideOutline(m, canvas, last - 1, y)) --last;
    return {first, last};
}

}  // namespace

void KeyOutsideOutline(const CardMetrics& m, QImage& canvas) {
    for (int y = 0; y < canvas.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(canvas.scanLine(y));
        const auto [first, last] = InsideRun(m, canvas, y);
        for (int x = 0; x < first; ++x) line[x] = kMaskKey;
        for (int x = first; x < last; ++x) {
            if ((line[x] & RGB_MASK) == (kMaskKey & RGB_MASK)) line[x] = kNearMaskKey;
        }
        for (int x = std::max(first, last); x < canvas.width(); ++x) line[x] = kMaskKey;
    }
}

QImage OutlineMask(const CardMetrics& m, qreal devicePixelRatio) {
    QImage mask = NewCardCanvas(m, devicePixelRatio, qRgb(255, 255, 255));
    for (int y = 0; y < mask.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(mask.scanLine(y));
        const auto [first, last] = InsideRun(m, mask, y);
        for (int x = first; x < last; ++x) line[x] = qRgb(0, 0, 0);
    }
    return mask;
}

}  // namespace card_art
