#pragma once

#include <QPainter>

#include "cards/card_metrics.h"

namespace card_art {

// The opaque empty-pile marks, card-sized: green recycling arrows on grey for a stock
// that can be turned again, a green cross on grey for one that cannot.
void PaintRecycleMark(QPainter& painter, const CardMetrics& m);
void PaintCrossMark(QPainter& painter, const CardMetrics& m);

}  // namespace card_art
