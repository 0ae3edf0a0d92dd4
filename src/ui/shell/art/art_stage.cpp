#include "shell/art/art_stage.h"

#include "shell/art/art_palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace shell_art {
namespace {

const QColor kVelvet(0x8E, 0x1C, 0x26);
const QColor kVelvetLight(0xC0, 0x34, 0x3A);
const QColor kVelvetDark(0x52, 0x0C, 0x16);
constexpr qreal kFoldWidth = 26.0;

// The valance's lower edge, from right to left: one hanging swag per scallop.
QPainterPath ScallopedEdge(const QRectF& area, int scallops, qreal depth) {
    const qreal width = area.width() / scallops;
    QPainterPath edge;
    edge.moveTo(area.right(), area.bottom() - depth);
    for (int i = scallops; i > 0; --i) {
        const qreal x0 = area.left() + i * width;
        edge.quadTo(x0 - width / 2.0, area.bottom() + depth * 0.9, x0 - width, area.bottom() - depth);
    }
    return edge;
}

}  // namespace

void PaintCurtain(QPainter& p, const QRectF& area) {
    // Folds: one gradient repeated across the width.
    QLinearGradient folds(QPointF(area.left(), 0.0), QPointF(area.left() + kFoldWidth, 0.0));
    folds.setSpread(QGradient::RepeatSpread);
    folds.setColorAt(0.0, kVelvetDark);
    folds.setColorAt(0.35, kVelvet);
    folds.setColorAt(0.6, kVelvetLight);
    folds.setColorAt(1.0, kVelvetDark);
    p.fillRect(area, folds);
    // Light from above fades towards the table.
    QLinearGradient dusk(area.topLeft(), area.bottomLeft());
    dusk.setColorAt(0.0, QColor(0, 0, 0, 0));
    dusk.setColorAt(1.0, QColor(0, 0, 0, 90));
    p.fillRect(area, dusk);
}

void PaintValance(QPainter& p, const QRectF& area, int scallops) {
    const qreal depth = area.height() * 0.35;
    const QPainterPath edge = ScallopedEdge(area, scallops, depth);
    QPainterPath valance = edge;
    valance.lineTo(area.topLeft());
    valance.lineTo(area.topRight());
    valance.closeSubpath();

    QLinearGradient cloth(area.topLeft(), area.bottomLeft());
    cloth.setColorAt(0.0, kVelvetDark);
    cloth.setColorAt(1.0, kVelvet);
    p.save();
    p.setPen(Qt::NoPen);
    p.fillPath(valance.translated(0.0, 2.0), QColor(0, 0, 0, 70));
    p.fillPath(valance, cloth);
    // A gold braid along the scalloped edge, with a tassel where the swags meet.
    QPainterPathStroker braid;
    braid.setWidth(2.6);
    p.setPen(QPen(palette::kMotleyGoldDark, 0.6));
    p.setBrush(palette::kMotleyGold);
    p.drawPath(braid.createStroke(edge));
    const qreal width = area.width() / scallops;
    for (int i = 1; i < scallops; ++i) {
        const QPointF point(area.left() + i * width, area.bottom() - depth);
        QPainterPath tassel;
        tassel.moveTo(point);
        tassel.lineTo(point + QPointF(2.2, 7.0));
        tassel.lineTo(point + QPointF(-2.2, 7.0));
        tassel.closeSubpath();
        p.drawPath(tassel);
        p.drawEllipse(point, 1.8, 1.8);
    }
    p.restore();
}

void PaintTableRail(QPainter& p, const QRectF& band) {
    QLinearGradient wood(band.topLeft(), band.bottomLeft());
    wood.setColorAt(0.0, palette::kWoodLight);
    wood.setColorAt(0.4, palette::kWood);
    wood.setColorAt(1.0, palette::kWoodDark);
    p.fillRect(band, wood);
    p.setPen(QPen(QColor(0xFF, 0xE0, 0xB0, 90), 0.8));
    p.drawLine(band.topLeft() + QPointF(0.0, 1.0), band.topRight() + QPointF(0.0, 1.0));
}

}  // namespace shell_art
