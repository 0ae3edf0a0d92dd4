#include "cards/mark_painter.h"

#include <QPainterPath>
#include <QPainterPathStroker>
#include <QTransform>

namespace card_art {

namespace {

constexpr QRgb kMarkGrey = qRgb(186, 188, 186);
constexpr QRgb kMarkLight = qRgb(226, 228, 226);
constexpr QRgb kMarkShadow = qRgb(120, 122, 120);
constexpr QRgb kMarkGreen = qRgb(32, 160, 72);
constexpr QRgb kMarkGreenDark = qRgb(14, 92, 40);

// The symbols scale with the card width.
constexpr qreal kArrowRadiusShare = 0.26;
constexpr qreal kArrowThicknessShare = 0.085;
constexpr qreal kCrossArmShare = 0.25;
constexpr qreal kCrossThicknessShare = 0.12;
// Each of the two arrows runs this many degrees of the circle; the rest is the gap
// in front of its head.
constexpr qreal kArrowSweep = 130;

void PaintGreyGround(QPainter& p, const CardMetrics& m) {
    const QRectF full(QPointF(0, 0), m.size);
    p.fillRect(full, QColor(kMarkGrey));
    // A raised bevel: light along the top and left, shadow along the bottom and right.
    const qreal w = m.size.width() / 80.0;
    p.setPen(QPen(QColor(kMarkLight), w));
    p.drawLine(QPointF(w / 2, w / 2), QPointF(m.size.width() - w, w / 2));
    p.drawLine(QPointF(w / 2, w / 2), QPointF(w / 2, m.size.height() - w));
    p.setPen(QPen(QColor(kMarkShadow), w));
    p.drawLine(QPointF(w / 2, m.size.height() - w / 2), QPointF(m.size.width() - w / 2, m.size.height() - w / 2));
    p.drawLine(QPointF(m.size.width() - w / 2, w / 2), QPointF(m.size.width() - w / 2, m.size.height() - w / 2));
}

void FillGreen(QPainter& p, const CardMetrics& m, const QPainterPath& shape) {
    p.setPen(QPen(QColor(kMarkGreenDark), m.size.width() / 80.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(kMarkGreen));
    p.drawPath(shape);
}

// One curved arrow about the origin, starting at angle 0 and turning clockwise on screen.
QPainterPath CurvedArrow(qreal radius, qreal thickness) {
    QPainterPath arc;
    const QRectF circle(-radius, -radius, 2 * radius, 2 * radius);
    arc.arcMoveTo(circle, 0);
    arc.arcTo(circle, 0, -kArrowSweep);
    QPainterPathStroker stroker;
    stroker.setWidth(thickness);
    stroker.setCapStyle(Qt::FlatCap);
    QPainterPath body = stroker.createStroke(arc);
    // The head: a triangle at the arc's end, pointing along the direction of travel.
    const QPointF end = arc.currentPosition();
    const QPointF outward = end / radius;
    const QPointF along(-outward.y(), outward.x());
    const qreal headHalf = thickness * 1.15;
    const qreal headLength = thickness * 1.5;
    QPainterPath head;
    head.addPolygon(QPolygonF({end + outward * headHalf, end + along * headLength, end - outward * headHalf}));
    head.closeSubpath();
    return body.united(head).simplified();
}

}  // namespace

void PaintRecycleMark(QPainter& painter, const CardMetrics& m) {
    PaintGreyGround(painter, m);
    const qreal radius = m.size.width() * kArrowRadiusShare;
    const QPainterPath arrow = CurvedArrow(radius, m.size.width() * kArrowThicknessShare);
    const QPointF centre(m.size.width() / 2, m.size.height() / 2);
    for (const qreal turn : {20.0, 200.0}) {
        QTransform place;
        place.translate(centre.x(), centre.y());
        place.rotate(turn);
        FillGreen(painter, m, place.map(arrow));
    }
}

void PaintCrossMark(QPainter& painter, const CardMetrics& m) {
    PaintGreyGround(painter, m);
    const qreal arm = m.size.width() * kCrossArmShare;
    const QPointF c(m.size.width() / 2, m.size.height() / 2);
    QPainterPath strokes;
    strokes.moveTo(c + QPointF(-arm, -arm));
    strokes.lineTo(c + QPointF(arm, arm));
    strokes.moveTo(c + QPointF(arm, -arm));
    strokes.lineTo(c + QPointF(-arm, arm));
    QPainterPathStroker stroker;
    stroker.setWidth(m.size.width() * kCrossThicknessShare);
    stroker.setCapStyle(Qt::RoundCap);
    FillGreen(painter, m, stroker.createStroke(strokes).simplified());
}

}  // namespace card_art
