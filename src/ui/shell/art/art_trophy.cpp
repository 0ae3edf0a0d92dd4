#include "shell/art/art_trophy.h"

#include "shell/art/art_palette.h"
#include "shell/art/art_shapes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace shell_art {

void PaintTrophy(QPainter& p, QPointF baseCentre, qreal height, qreal shine) {
    // Designed 30 units tall, standing on the origin.
    p.save();
    p.translate(baseCentre);
    p.scale(height / 30.0, height / 30.0);

    QLinearGradient gold(QPointF(-12.0, 0.0), QPointF(12.0, 0.0));
    gold.setColorAt(0.0, palette::kMotleyGoldDark);
    gold.setColorAt(0.35, palette::kMotleyGoldLight);
    gold.setColorAt(0.6, palette::kMotleyGold);
    gold.setColorAt(1.0, palette::kMotleyGoldDark);
    const QPen ink(palette::kInk, 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    PaintSoftShadow(p, [] {
        QPainterPath foot;
        foot.addEllipse(QPointF(0.0, 0.0), 10.0, 1.8);
        return foot;
    }(), QPointF(1.5, 0.5), 80);

    // Handles first, so the bowl covers their inner ends.
    p.setBrush(Qt::NoBrush);
    for (const qreal side : {-1.0, 1.0}) {
        QPainterPath handle;
        handle.moveTo(side * 8.0, -27.0);
        handle.cubicTo(side * 15.5, -27.5, side * 15.0, -18.0, side * 5.5, -17.0);
        p.setPen(QPen(palette::kInk, 3.4, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(handle);
        p.setPen(QPen(palette::kMotleyGold, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(handle);
    }

    QPainterPath base;
    base.addRoundedRect(QRectF(-9.0, -4.0, 18.0, 4.0), 1.2, 1.2);
    QPainterPath stem;
    stem.moveTo(-2.0, -14.0);
    stem.lineTo(2.0, -14.0);
    stem.quadTo(2.0, -7.0, 5.0, -4.0);
    stem.lineTo(-5.0, -4.0);
    stem.quadTo(-2.0, -7.0, -2.0, -14.0);
    stem.closeSubpath();
    QPainterPath bowl;
    bowl.moveTo(-10.0, -29.0);
    bowl.lineTo(10.0, -29.0);
    bowl.cubicTo(10.0, -20.0, 6.0, -14.0, 0.0, -13.5);
    bowl.cubicTo(-6.0, -14.0, -10.0, -20.0, -10.0, -29.0);
    bowl.closeSubpath();

    p.setPen(ink);
    p.setBrush(gold);
    p.drawPath(stem);
    p.drawPath(base);
    p.drawPath(bowl);
    p.drawEllipse(QPointF(0.0, -10.0), 2.4, 1.2);
    // The rim, seen from slightly above.
    p.setBrush(palette::kMotleyGoldDark);
    p.drawEllipse(QPointF(0.0, -29.0), 10.0, 1.6);
    // A red star on the bowl.
    PaintSparkle(p, QPointF(0.0, -21.5), 3.6, palette::kMotleyRed);
    if (shine > 0.0) {
        PaintSparkle(p, QPointF(-5.5, -24.0), 2.5 + 2.5 * shine,
                     QColor(255, 255, 240, qRound(255 * qBound(0.0, shine, 1.0))));
    }
    p.restore();
}

}  // namespace shell_art
