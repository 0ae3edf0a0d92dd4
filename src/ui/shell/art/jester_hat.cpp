#include "shell/art/jester_figure.h"

#include "shell/art/art_palette.h"
#include "shell/art/art_shapes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>

// The jester's cap: three lobes in red, gold and blue over a jewelled gold band,
// a bell at every tip.
namespace shell_art {
namespace {

constexpr qreal kHatBellRadius = 3.3;

struct Lobe {
    QPainterPath shape;
    QPointF tip;
    QColor colour;
    QColor shade;
};

std::array<Lobe, 3> HatLobes() {
    QPainterPath left;
    left.moveTo(-3.0, -12.0);
    left.cubicTo(-8.0, -27.0, -20.0, -29.0, -25.0, -17.5);
    left.cubicTo(-20.5, -21.0, -15.0, -16.0, -13.8, -5.0);
    left.closeSubpath();

    QPainterPath right;
    right.moveTo(3.0, -12.0);
    right.cubicTo(8.0, -27.0, 20.0, -29.0, 25.0, -17.5);
    right.cubicTo(20.5, -21.0, 15.0, -16.0, 13.8, -5.0);
    right.closeSubpath();

    QPainterPath centre;
    centre.moveTo(-7.0, -11.0);
    centre.cubicTo(-9.0, -30.0, 1.0, -43.0, 12.0, -37.5);
    centre.cubicTo(5.0, -34.5, 6.0, -24.0, 7.0, -11.0);
    centre.closeSubpath();

    return {{{left, {-25.0, -17.5}, palette::kMotleyRed, palette::kMotleyRedDark},
             {right, {25.0, -17.5}, palette::kMotleyBlue, palette::kMotleyBlueDark},
             {centre, {12.0, -37.5}, palette::kMotleyGold, palette::kMotleyGoldDark}}};
}

void PaintLobe(QPainter& p, const Lobe& lobe) {
    const QRectF box = lobe.shape.boundingRect();
    QLinearGradient shading(box.topLeft(), box.bottomRight());
    shading.setColorAt(0.0, lobe.colour.lighter(118));
    shading.setColorAt(0.6, lobe.colour);
    shading.setColorAt(1.0, lobe.shade);
    p.setPen(InkPen());
    p.setBrush(shading);
    p.drawPath(lobe.shape);
}

QPainterPath HatBand() {
    QPainterPath band;
    band.moveTo(-14.6, -4.0);
    band.quadTo(0.0, -19.0, 14.6, -4.0);
    band.lineTo(14.0, 0.5);
    band.quadTo(0.0, -11.0, -14.0, 0.5);
    band.closeSubpath();
    return band;
}

void PaintBandJewels(QPainter& p) {
    // Small diamonds along the middle of the band, alternating red and blue.
    const QPointF start(-14.3, -1.8);
    const QPointF control(0.0, -15.0);
    const QPointF end(14.3, -1.8);
    constexpr int kJewels = 5;
    for (int i = 0; i < kJewels; ++i) {
        const qreal t = 0.14 + 0.72 * i / (kJewels - 1);
        const QPointF at = (1 - t) * (1 - t) * start + 2 * (1 - t) * t * control + t * t * end;
        QPainterPath jewel;
        jewel.moveTo(at + QPointF(0.0, -1.7));
        jewel.lineTo(at + QPointF(1.3, 0.0));
        jewel.lineTo(at + QPointF(0.0, 1.7));
        jewel.lineTo(at + QPointF(-1.3, 0.0));
        jewel.closeSubpath();
        p.setPen(QPen(palette::kInk, 0.5));
        p.setBrush(i % 2 == 0 ? palette::kMotleyRed : palette::kMotleyBlue);
        p.drawPath(jewel);
    }
}

}  // namespace

void PaintJesterHat(QPainter& p, qreal bellSwing, bool showOpening) {
    p.save();
    const std::array<Lobe, 3> lobes = HatLobes();
    for (const Lobe& lobe : lobes) {
        PaintLobe(p, lobe);
    }
    if (showOpening) {
        p.setPen(InkPen());
        p.setBrush(QColor(0x4A, 0x1C, 0x22));
        p.drawEllipse(QPointF(0.0, -1.2), 14.0, 3.8);
    }
    QLinearGradient gold(QPointF(0.0, -12.0), QPointF(0.0, 0.5));
    gold.setColorAt(0.0, palette::kMotleyGoldLight);
    gold.setColorAt(1.0, palette::kMotleyGold);
    p.setPen(InkPen());
    p.setBrush(gold);
    p.drawPath(HatBand());
    PaintBandJewels(p);
    for (const Lobe& lobe : lobes) {
        PaintPlumbBell(p, lobe.tip, kHatBellRadius, bellSwing);
    }
    p.restore();
}

}  // namespace shell_art
