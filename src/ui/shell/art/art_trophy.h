#pragma once

#include <QPointF>

class QPainter;

namespace shell_art {

// A gold cup standing on its base; baseCentre is the middle of the base's bottom edge,
// height the cup's overall height. shine (0..1) sets the strength of a glint on the bowl.
void PaintTrophy(QPainter& p, QPointF baseCentre, qreal height, qreal shine);

}  // namespace shell_art
