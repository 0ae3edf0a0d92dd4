#include "cards/court_figures.h"

#include <QPainterPath>
#include <array>

#include "cards/card_metrics.h"
#include "cards/figure_parts.h"

namespace card_art {

namespace {

using namespace figure;

constexpr QRgb kKingHair = qRgb(96, 70, 52);
constexpr QRgb kQueenHair = qRgb(218, 164, 60);
constexpr QRgb kJackHair = qRgb(164, 104, 46);
constexpr QRgb kSilver = qRgb(196, 202, 212);
constexpr QRgb kShaftWood = qRgb(128, 84, 42);
constexpr QRgb kLeafGreen = qRgb(40, 128, 60);
constexpr QRgb kRosePetal = qRgb(214, 40, 70);
constexpr QRgb kJesterGreen = qRgb(34, 140, 76);

void PaintKing(QPainter& p, const HalfPanel& h, const CourtColours& c) {
    // Sceptre behind the shoulder, held up on the left.
    Pole(p, h, {0.24, 1.2}, {0.25, 0.3}, QColor(kGold), 1.6);
    Shape(p, h, Oval(h, 0.25, 0.27, 0.05, 0.045), QColor(kGold));
    Pole(p, h, {0.25, 0.22}, {0.25, 0.16}, QColor(kGold), 1.2);
    Pole(p, h, {0.225, 0.185}, {0.275, 0.185}, QColor(kGold), 1.2);
    Shape(p, h, Oval(h, 0.43, 0.47, 0.05, 0.09), QColor(kKingHair));
    Shape(p, h, Oval(h, 0.69, 0.47, 0.05, 0.09), QColor(kKingHair));
    Robe(p, h, c, true);
    // Ermine collar.
    Shape(p, h, Oval(h, kHeadU, 0.665, 0.27, 0.06), QColor(kErmine));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kOutline));
    for (const qreal u : {0.36, 0.46, 0.66, 0.76}) p.drawPath(Oval(h, u, 0.67, 0.012, 0.02));
    Head(p, h, false);
    QPainterPath beard;
    beard.moveTo(h.At(kHeadU - 0.13, kHeadV + 0.04));
    beard.cubicTo(h.At(kHeadU - 0.12, kHeadV + 0.2), h.At(kHeadU - 0.06, kHeadV + 0.28), h.At(kHeadU, kHeadV + 0.31));
    beard.cubicTo(h.At(kHeadU + 0.06, kHeadV + 0.28), h.At(kHeadU + 0.12, kHeadV + 0.2), h.At(kHeadU + 0.13, kHeadV + 0.04));
    beard.cubicTo(h.At(kHeadU + 0.1, kHeadV + 0.12), h.At(kHeadU + 0.05, kHeadV + 0.13), h.At(kHeadU, kHeadV + 0.12));
    beard.cubicTo(h.At(kHeadU - 0.05, kHeadV + 0.13), h.At(kHeadU - 0.1, kHeadV + 0.12), h.At(kHeadU - 0.13, kHeadV + 0.04));
    beard.closeSubpath();
    Shape(p, h, beard, QColor(kKingHair));
    QPainterPath moustache;
    moustache.moveTo(h.At(kHeadU, kHeadV + 0.075));
    moustache.cubicTo(h.At(kHeadU - 0.04, kHeadV + 0.07), h.At(kHeadU - 0.08, kHeadV + 0.1), h.At(kHeadU - 0.1, kHeadV + 0.09));
    moustache.moveTo(h.At(kHeadU, kHeadV + 0.075));
    moustache.cubicTo(h.At(kHeadU + 0.04, kHeadV + 0.07), h.At(kHeadU + 0.08, kHeadV + 0.1), h.At(kHeadU + 0.1, kHeadV + 0.09));
    Stroke(p, h, moustache, QColor(kKingHair), 1.6);
    // Crown: velvet cap, three points with pearls, a jewelled band.
    QPainterPath cap;
    cap.moveTo(h.At(0.42, 0.28));
    cap.cubicTo(h.At(0.42, 0.12), h.At(0.70, 0.12), h.At(0.70, 0.28));
    cap.closeSubpath();
    Shape(p, h, cap, c.robe);
    Shape(p, h, Polygon(h, {{0.40, 0.28}, {0.385, 0.12}, {0.47, 0.2}, {kHeadU, 0.07}, {0.65, 0.2}, {0.735, 0.12},
                            {0.72, 0.28}}),
          QColor(kGold));
    for (const UV tip : {UV{0.385, 0.11}, UV{kHeadU, 0.06}, UV{0.735, 0.11}}) {
        Shape(p, h, Oval(h, tip.u, tip.v, 0.024, 0.022), QColor(kErmine), 0.5);
    }
    Shape(p, h, Polygon(h, {{0.39, 0.26}, {0.73, 0.26}, {0.73, 0.32}, {0.39, 0.32}}), QColor(kGold));
    Shape(p, h, Oval(h, kHeadU, 0.29, 0.035, 0.022), c.accent, 0.5);
    Shape(p, h, Oval(h, 0.45, 0.29, 0.018, 0.016), c.robe, 0.4);
    Shape(p, h, Oval(h, 0.67, 0.29, 0.018, 0.016), c.robe, 0.4);
    Hand(p, h, 0.245, 0.74, c);
}

void PaintQueen(QPainter& p, const HalfPanel& h, const CourtColours& c) {
    QPainterPath hair;
    hair.moveTo(h.At(kHeadU, 0.22));
    hair.cubicTo(h.At(0.34, 0.22), h.At(0.36, 0.58), h.At(0.30, 0.74));
    hair.lineTo(h.At(0.82, 0.74));
    hair.cubicTo(h.At(0.76, 0.58), h.At(0.78, 0.22), h.At(kHeadU, 0.22));
    hair.closeSubpath();
    Shape(p, h, hair, QColor(kQueenHair));
    QPainterPath strands;
    for (const qreal u : {0.38, 0.43, 0.69, 0.74}) {
        strands.moveTo(h.At(u, 0.4));
        strands.quadTo(h.At(u - 0.03, 0.58), h.At(u - 0.01, 0.72));
    }
    Stroke(p, h, strands, QColor(kDarkGold), 0.5);
    Robe(p, h, c, true);
    // Lace collar of small scallops.
    for (int i = 0; i < 7; ++i) {
        const qreal u = kHeadU - 0.24 + i * 0.08;
        const qreal v = 0.655 + 0.02 * (i == 0 || i == 6);
        Shape(p, h, Oval(h, u, v, 0.045, 0.04), QColor(kErmine), 0.5);
    }
    Head(p, h, true);
    QPainterPath fringe;
    fringe.moveTo(h.At(kHeadU - 0.13, kHeadV - 0.02));
    fringe.cubicTo(h.At(kHeadU - 0.12, kHeadV - 0.16), h.At(kHeadU + 0.12, kHeadV - 0.16), h.At(kHeadU + 0.13, kHeadV - 0.02));
    fringe.cubicTo(h.At(kHeadU + 0.07, kHeadV - 0.1), h.At(kHeadU - 0.07, kHeadV - 0.1), h.At(kHeadU - 0.13, kHeadV - 0.02));
    fringe.closeSubpath();
    Shape(p, h, fringe, QColor(kQueenHair), 0.5);
    // A light crown of five points, each with a pearl.
    Shape(p, h, Polygon(h, {{0.45, 0.28}, {0.44, 0.17}, {0.5, 0.22}, {0.53, 0.14}, {kHeadU, 0.2}, {0.59, 0.14},
                            {0.62, 0.22}, {0.68, 0.17}, {0.67, 0.28}}),
          QColor(kGold));
    for (const UV tip : {UV{0.44, 0.16}, UV{0.53, 0.13}, UV{0.59, 0.13}, UV{0.68, 0.16}}) {
        Shape(p, h, Oval(h, tip.u, tip.v, 0.018, 0.016), QColor(kErmine), 0.4);
    }
    Shape(p, h, Oval(h, kHeadU, 0.245, 0.022, 0.018), c.accent, 0.4);
    // She holds a rose.
    QPainterPath stem;
    stem.moveTo(h.At(0.26, 0.6));
    stem.quadTo(h.At(0.24, 0.85), h.At(0.3, 1.1));
    Stroke(p, h, stem, QColor(kLeafGreen), 1.4);
    QPainterPath leaf;
    leaf.moveTo(h.At(0.255, 0.7));
    leaf.quadTo(h.At(0.17, 0.66), h.At(0.13, 0.72));
    leaf.quadTo(h.At(0.19, 0.77), h.At(0.255, 0.7));
    Shape(p, h, leaf, QColor(kLeafGreen), 0.5);
    Shape(p, h, Oval(h, 0.26, 0.57, 0.065, 0.055), QColor(kRosePetal));
    QPainterPath petals;
    petals.addEllipse(h.At(0.26, 0.57), h.Across(0.03), h.Down(0.025));
    Stroke(p, h, petals, QColor(kOutline), 0.5);
    Hand(p, h, 0.27, 0.8, c);
}

void PaintJack(QPainter& p, const HalfPanel& h, const CourtColours& c) {
    // Halberd on the left.
    Pole(p, h, {0.22, 1.2}, {0.22, 0.24}, QColor(kShaftWood), 1.4);
    QPainterPath blade;
    blade.moveTo(h.At(0.22, 0.28));
    blade.cubicTo(h.At(0.14, 0.26), h.At(0.1, 0.32), h.At(0.1, 0.38));
    blade.cubicTo(h.At(0.14, 0.36), h.At(0.18, 0.4), h.At(0.22, 0.42));
    blade.closeSubpath();
    blade.addPolygon(QPolygonF({h.At(0.205, 0.28), h.At(0.22, 0.18), h.At(0.235, 0.28)}));
    blade.closeSubpath();
    Shape(p, h, blade, QColor(kSilver));
    for (const UV curl : {UV{0.425, 0.44}, UV{0.43, 0.52}, UV{0.695, 0.44}, UV{0.69, 0.52}}) {
        Shape(p, h, Oval(h, curl.u, curl.v, 0.045, 0.045), QColor(kJackHair), 0.5);
    }
    Robe(p, h, c, false);
    // Sash across the chest with buttons.
    Shape(p, h, Polygon(h, {{0.3, 0.7}, {0.4, 0.66}, {0.92, 1.12}, {0.8, 1.2}}), QColor(kGold));
    Shape(p, h, Oval(h, kHeadU, 0.665, 0.2, 0.045), QColor(kGold));
    Head(p, h, false);
    // Beret with a plume.
    QPainterPath plume;
    plume.moveTo(h.At(0.66, 0.27));
    plume.cubicTo(h.At(0.72, 0.12), h.At(0.84, 0.05), h.At(0.96, 0.03));
    plume.cubicTo(h.At(0.88, 0.12), h.At(0.78, 0.2), h.At(0.66, 0.27));
    plume.closeSubpath();
    Shape(p, h, plume, QColor(kErmine), 0.6);
    QPainterPath spine;
    spine.moveTo(h.At(0.67, 0.26));
    spine.cubicTo(h.At(0.74, 0.15), h.At(0.84, 0.08), h.At(0.95, 0.035));
    Stroke(p, h, spine, QColor(kDarkGold), 0.5);
    Shape(p, h, Oval(h, kHeadU, 0.255, 0.185, 0.08), c.robe);
    Shape(p, h, Polygon(h, {{0.41, 0.285}, {0.71, 0.285}, {0.7, 0.32}, {0.42, 0.32}}), QColor(kGold), 0.6);
    Shape(p, h, Oval(h, 0.66, 0.27, 0.025, 0.022), c.accent, 0.4);
    Hand(p, h, 0.22, 0.76, c);
}

void PaintJester(QPainter& p, const HalfPanel& h, const CourtColours& c) {
    QPainterPath leftHalf;
    leftHalf.moveTo(h.At(0.02, 1.25));
    leftHalf.lineTo(h.At(0.07, 0.86));
    leftHalf.cubicTo(h.At(0.11, 0.69), h.At(0.30, 0.63), h.At(kHeadU, 0.63));
    leftHalf.lineTo(h.At(kHeadU, 1.25));
    leftHalf.closeSubpath();
    QPainterPath rightHalf;
    rightHalf.moveTo(h.At(kHeadU, 0.63));
    rightHalf.cubicTo(h.At(0.82, 0.63), h.At(0.97, 0.69), h.At(1.0, 0.86));
    rightHalf.lineTo(h.At(1.05, 1.25));
    rightHalf.lineTo(h.At(kHeadU, 1.25));
    rightHalf.closeSubpath();
    Shape(p, h, leftHalf, c.robe);
    Shape(p, h, rightHalf, QColor(kJesterGreen));
    // Ruff of alternating points.
    for (int i = 0; i < 8; ++i) {
        const qreal u = kHeadU - 0.28 + i * 0.08;
        Shape(p, h, Polygon(h, {{u, 0.63}, {u + 0.08, 0.63}, {u + 0.04, 0.74}}), i % 2 ? QColor(kGold) : c.accent, 0.5);
    }
    Head(p, h, true);
    // The cap's three floppy points, each ending in a bell.
    const std::array<QColor, 3> points{c.accent, c.robe, QColor(kJesterGreen)};
    const std::array<UV, 3> tips{{{0.18, 0.3}, {kHeadU, 0.03}, {0.94, 0.3}}};
    const std::array<UV, 3> bends{{{0.26, 0.08}, {0.46, 0.1}, {0.86, 0.08}}};
    for (std::size_t i = 0; i < points.size(); ++i) {
        QPainterPath point;
        point.moveTo(h.At(0.42 + 0.09 * i, 0.31));
        point.quadTo(h.At(bends[i].u, bends[i].v), h.At(tips[i].u, tips[i].v));
        point.quadTo(h.At(bends[i].u + 0.08, bends[i].v + 0.06), h.At(0.52 + 0.09 * i, 0.31));
        point.closeSubpath();
        Shape(p, h, point, points[i]);
    }
    Shape(p, h, Polygon(h, {{0.41, 0.27}, {0.71, 0.27}, {0.72, 0.33}, {0.40, 0.33}}), QColor(kGold), 0.6);
    for (const UV& tip : tips) Shape(p, h, Oval(h, tip.u, tip.v, 0.035, 0.032), QColor(kGold), 0.6);
}

}  // namespace

void PaintFigure(QPainter& painter, const HalfPanel& half, Figure figure, const CourtColours& colours) {
    switch (figure) {
    case Figure::King: PaintKing(painter, half, colours); break;
    case Figure::Queen: PaintQueen(painter, half, colours); break;
    case Figure::Jack: PaintJack(painter, half, colours); break;
    case Figure::Jester: PaintJester(painter, half, colours); break;
    }
}

}  // namespace card_art
