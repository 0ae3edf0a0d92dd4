#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace card_art {

// The upper half of a court panel, addressed in fractions: u across from the left
// edge, v down from the top edge to the middle of the card at v = 1. Working in
// fractions lets one drawing serve both card sizes.
struct HalfPanel {
    QRectF area;

    QPointF At(qreal u, qreal v) const { return {area.left() + u * area.width(), area.top() + v * area.height()}; }
    qreal Across(qreal u) const { return u * area.width(); }
    qreal Down(qreal v) const { return v * area.height(); }
    // A line width that keeps its weight on both card sizes.
    qreal Line(qreal weight = 1.0) const { return weight * area.width() / 60.0; }
};

struct CourtColours {
    QColor robe;
    QColor accent;
    QColor ink;
};

enum class Figure { Jack, Queen, King, Jester };

// One half of a double-headed figure: head, headwear, shoulders and what it holds.
void PaintFigure(QPainter& painter, const HalfPanel& half, Figure figure, const CourtColours& colours);

}  // namespace card_art
