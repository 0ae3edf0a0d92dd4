#include "cards/back_painter.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace card_art {

namespace {

constexpr QRgb kLatticeNavy = qRgb(18, 40, 104);
constexpr QRgb kLatticeLine = qRgb(84, 126, 208);
constexpr QRgb kLatticeKnot = qRgb(206, 222, 252);
constexpr QRgb kCrimson = qRgb(150, 16, 36);
constexpr QRgb kCrimsonLine = qRgb(226, 102, 110);
constexpr QRgb kForest = qRgb(10, 78, 50);
constexpr QRgb kForestLight = qRgb(26, 120, 78);
constexpr QRgb kForestLine = qRgb(132, 206, 156);
constexpr QRgb kPaleGold = qRgb(236, 202, 120);

// Pattern spacing relative to the card width, so both sizes carry the same motif.
constexpr qreal kLatticeCellShare = 0.09;
constexpr qreal kRingCellShare = 0.1;
constexpr qreal kArgyleWidthShare = 0.2;
constexpr qreal kArgyleAspect = 1.45;

QRectF PatternArea(const CardMetrics& m) {
    return QRectF(QPointF(0, 0), m.size).adjusted(m.backMargin, m.backMargin, -m.backMargin, -m.backMargin);
}

qreal Unit(const CardMetrics& m) { return m.size.width() / 80.0; }

void PaintLattice(QPainter& p, const CardMetrics& m, const QRectF& area) {
    p.fillRect(area, QColor(kLatticeNavy));
    const qreal cell = m.size.width() * kLatticeCellShare;
    const QPointF centre = area.center();
    const qreal reach = area.width() + area.height();
    p.setPen(QPen(QColor(kLatticeLine), Unit(m) * 0.9));
    for (qreal d = -reach; d <= reach; d += cell) {
        p.drawLine(QPointF(centre.x() + d - reach, centre.y() - reach), QPointF(centre.x() + d + reach, centre.y() + reach));
        p.drawLine(QPointF(centre.x() + d + reach, centre.y() - reach), QPointF(centre.x() + d - reach, centre.y() + reach));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kLatticeKnot));
    const qreal knot = Unit(m) * 0.85;
    const int steps = static_cast<int>(reach / cell) + 1;
    for (int i = -steps; i <= steps; ++i) {
        for (int j = -steps; j <= steps; ++j) {
            if ((i + j) % 2 != 0) continue;
            const QPointF at(centre.x() + i * cell / 2, centre.y() + j * cell / 2);
            if (area.adjusted(-knot, -knot, knot, knot).contains(at)) p.drawEllipse(at, knot, knot);
        }
    }
    // A gold compass rose in an oval cartouche.
    const qreal rx = area.width() * 0.26;
    const qreal ry = area.height() * 0.19;
    p.setBrush(QColor(kLatticeNavy));
    p.setPen(QPen(QColor(kPaleGold), Unit(m) * 1.2));
    p.drawEllipse(centre, rx, ry);
    QPainterPath star;
    const int rays = 16;
    for (int k = 0; k < rays; ++k) {
        const qreal angle = k * std::numbers::pi / (rays / 2) - std::numbers::pi / 2;
        const qreal len = (k % 2 == 0) ? 0.82 : 0.38;
        const QPointF tip(centre.x() + std::cos(angle) * rx * len, centre.y() + std::sin(angle) * ry * len);
        const qreal a1 = angle + std::numbers::pi / rays;
        const QPointF waist(centre.x() + std::cos(a1) * rx * 0.16, centre.y() + std::sin(a1) * ry * 0.16);
        if (k == 0) star.moveTo(tip); else star.lineTo(tip);
        star.lineTo(waist);
    }
    star.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kPaleGold));
    p.drawPath(star);
}

void PaintRings(QPainter& p, const CardMetrics& m, const QRectF& area) {
    p.fillRect(area, QColor(kCrimson));
    const qreal cell = m.size.width() * kRingCellShare;
    const QPointF centre = area.center();
    const int across = static_cast<int>(area.width() / cell / 2) + 2;
    const int down = static_cast<int>(area.height() / cell / 2) + 2;
    // Rings on two interleaved grids cross into four-petalled flowers.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(kCrimsonLine), Unit(m) * 0.8));
    const qreal radius = cell / std::numbers::sqrt2;
    for (int i = -across; i <= across; ++i) {
        for (int j = -down; j <= down; ++j) {
            p.drawEllipse(QPointF(centre.x() + i * cell, centre.y() + j * cell), radius, radius);
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kPaleGold));
    const qreal dot = Unit(m) * 0.9;
    for (int i = -across; i <= across; ++i) {
        for (int j = -down; j <= down; ++j) {
            p.drawEllipse(QPointF(centre.x() + (i + 0.5) * cell, centre.y() + (j + 0.5) * cell), dot, dot);
        }
    }
}

void PaintArgyle(QPainter& p, const CardMetrics& m, const QRectF& area) {
    p.fillRect(area, QColor(kForest));
    const qreal w = m.size.width() * kArgyleWidthShare;
    const qreal h = w * kArgyleAspect;
    const QPointF centre = area.center();
    const int across = static_cast<int>(area.width() / w / 2) + 2;
    const int down = static_cast<int>(area.height() / h / 2) + 2;
    // Light diamonds on the dark ground: the dark ones are the gaps between them.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kForestLight));
    for (int i = -across; i <= across; ++i) {
        for (int j = -down; j <= down; ++j) {
            const QPointF c(centre.x() + i * w, centre.y() + j * h);
            p.drawPolygon(QPolygonF({QPointF(c.x(), c.y() - h / 2), QPointF(c.x() + w / 2, c.y()),
                                     QPointF(c.x(), c.y() + h / 2), QPointF(c.x() - w / 2, c.y())}));
        }
    }
    // Fine lines crossing through the middle of every diamond.
    p.setPen(QPen(QColor(kForestLine), Unit(m) * 0.6));
    const qreal reach = area.height() + area.width();
    const qreal slope = h / w;
    for (int i = -across * 3; i <= across * 3; ++i) {
        const qreal x = centre.x() + i * w;
        p.drawLine(QPointF(x - reach, centre.y() - reach * slope), QPointF(x + reach, centre.y() + reach * slope));
        p.drawLine(QPointF(x - reach, centre.y() + reach * slope), QPointF(x + reach, centre.y() - reach * slope));
    }
}

}  // namespace

void PaintBack(QPainter& painter, const CardMetrics& m, int design) {
    const QRectF area = PatternArea(m);
    const qreal radius = std::max<qreal>(1.5, m.cornerRadius - m.backMargin + 1.5);
    QPainterPath clip;
    clip.addRoundedRect(area, radius, radius);
    painter.save();
    painter.setClipPath(clip);
    switch (design) {
    case 0: PaintLattice(painter, m, area); break;
    case 1: PaintRings(painter, m, area); break;
    default: PaintArgyle(painter, m, area); break;
    }
    // A fine pale frame just inside the pattern's edge, as printed backs have.
    const qreal inset = Unit(m) * 2.2;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 200), Unit(m) * 0.8));
    painter.drawRoundedRect(area.adjusted(inset, inset, -inset, -inset), radius, radius);
    painter.restore();
}

}  // namespace card_art
