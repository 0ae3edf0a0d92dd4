#include "cards/figure_parts.h"

#include "cards/card_metrics.h"

namespace card_art::figure {

namespace {

constexpr QRgb kLipRed = qRgb(196, 60, 60);

}  // namespace

QPainterPath Polygon(const HalfPanel& h, std::initializer_list<UV> points) {
    QPainterPath path;
    bool first = true;
    for (const UV& p : points) {
        if (first) path.moveTo(h.At(p.u, p.v)); else path.lineTo(h.At(p.u, p.v));
        first = false;
    }
    path.closeSubpath();
    return path;
}

QPainterPath Oval(const HalfPanel& h, qreal u, qreal v, qreal ru, qreal rv) {
    QPainterPath path;
    path.addEllipse(h.At(u, v), h.Across(ru), h.Down(rv));
    return path;
}

void Shape(QPainter& p, const HalfPanel& h, const QPainterPath& path, const QColor& fill, qreal weight) {
    p.setPen(QPen(QColor(kOutline), h.Line(weight), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
}

void Stroke(QPainter& p, const HalfPanel& h, const QPainterPath& path, const QColor& colour, qreal weight) {
    p.setPen(QPen(colour, h.Line(weight), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void Pole(QPainter& p, const HalfPanel& h, UV from, UV to, const QColor& colour, qreal weight) {
    QPainterPath line;
    line.moveTo(h.At(from.u, from.v));
    line.lineTo(h.At(to.u, to.v));
    Stroke(p, h, line, QColor(kOutline), weight + 1.2);
    Stroke(p, h, line, colour, weight);
}

void Hand(QPainter& p, const HalfPanel& h, qreal u, qreal v, const CourtColours& c) {
    QPainterPath sleeve;
    sleeve.moveTo(h.At(u - 0.1, 1.2));
    sleeve.quadTo(h.At(u - 0.13, v + 0.14), h.At(u, v + 0.03));
    Stroke(p, h, sleeve, QColor(kOutline), 8.6);
    Stroke(p, h, sleeve, c.accent, 7.2);
    Shape(p, h, Oval(h, u, v + 0.045, 0.06, 0.022), QColor(kGold), 0.5);
    Shape(p, h, Oval(h, u, v, 0.05, 0.045), QColor(kSkin));
}

void Robe(QPainter& p, const HalfPanel& h, const CourtColours& c, bool withBand) {
    QPainterPath robe;
    robe.moveTo(h.At(0.02, 1.25));
    robe.lineTo(h.At(0.07, 0.86));
    robe.cubicTo(h.At(0.11, 0.69), h.At(0.30, 0.63), h.At(kHeadU, 0.63));
    robe.cubicTo(h.At(0.82, 0.63), h.At(0.97, 0.69), h.At(1.0, 0.86));
    robe.lineTo(h.At(1.05, 1.25));
    robe.closeSubpath();
    Shape(p, h, robe, c.robe);
    // A gold hem along the shoulders finishes the robe.
    QPainterPath hem;
    hem.moveTo(h.At(0.085, 0.87));
    hem.cubicTo(h.At(0.125, 0.71), h.At(0.30, 0.66), h.At(kHeadU, 0.66));
    hem.cubicTo(h.At(0.81, 0.66), h.At(0.955, 0.71), h.At(0.985, 0.87));
    Stroke(p, h, hem, QColor(kGold), 1.6);
    if (!withBand) return;
    Shape(p, h, Polygon(h, {{0.48, 0.64}, {0.64, 0.64}, {0.70, 1.25}, {0.42, 1.25}}), QColor(kGold));
    for (const qreal v : {0.78, 0.92, 1.06}) {
        Shape(p, h, Polygon(h, {{kHeadU, v - 0.045}, {kHeadU + 0.04, v}, {kHeadU, v + 0.045}, {kHeadU - 0.04, v}}),
              c.robe, 0.5);
    }
}

void Head(QPainter& p, const HalfPanel& h, bool rouged) {
    Shape(p, h, Polygon(h, {{kHeadU - 0.05, 0.5}, {kHeadU + 0.05, 0.5}, {kHeadU + 0.05, 0.66}, {kHeadU - 0.05, 0.66}}),
          QColor(kSkin));
    Shape(p, h, Oval(h, kHeadU, kHeadV, 0.135, 0.155), QColor(kSkin));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kOutline));
    p.drawPath(Oval(h, kHeadU - 0.05, kHeadV - 0.01, 0.017, 0.016));
    p.drawPath(Oval(h, kHeadU + 0.05, kHeadV - 0.01, 0.017, 0.016));
    QPainterPath nose;
    nose.moveTo(h.At(kHeadU - 0.005, kHeadV + 0.01));
    nose.quadTo(h.At(kHeadU - 0.02, kHeadV + 0.055), h.At(kHeadU + 0.012, kHeadV + 0.062));
    Stroke(p, h, nose, QColor(kOutline), 0.55);
    QPainterPath brows;
    brows.moveTo(h.At(kHeadU - 0.08, kHeadV - 0.045));
    brows.quadTo(h.At(kHeadU - 0.05, kHeadV - 0.06), h.At(kHeadU - 0.02, kHeadV - 0.045));
    brows.moveTo(h.At(kHeadU + 0.02, kHeadV - 0.045));
    brows.quadTo(h.At(kHeadU + 0.05, kHeadV - 0.06), h.At(kHeadU + 0.08, kHeadV - 0.045));
    Stroke(p, h, brows, QColor(kOutline), 0.5);
    QPainterPath mouth;
    mouth.moveTo(h.At(kHeadU - 0.035, kHeadV + 0.095));
    mouth.quadTo(h.At(kHeadU, kHeadV + 0.115), h.At(kHeadU + 0.035, kHeadV + 0.095));
    Stroke(p, h, mouth, rouged ? QColor(kLipRed) : QColor(kOutline), rouged ? 0.9 : 0.55);
}

}  // namespace card_art::figure
