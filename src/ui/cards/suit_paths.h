#pragma once

#include <QPainterPath>
#include <QPointF>

namespace card_art {

// The outline of a suit symbol, one unit high and centred on the origin. Drawn from
// vector paths so every pip looks the same whatever fonts the system has.
const QPainterPath& SuitPath(int suit);

// The suit symbol scaled to the given height, centred on a point, optionally upside
// down as the pips of the lower half of a card are.
QPainterPath PlacedSuit(int suit, QPointF centre, qreal height, bool inverted = false);

}  // namespace card_art
