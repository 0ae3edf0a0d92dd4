#pragma once

#include <QPainter>

#include "cards/card_metrics.h"

namespace card_art {

// The framed, double-headed figure of a Jack, Queen or King (rank 10 to 12).
void PaintCourt(QPainter& painter, const CardMetrics& m, int suit, int rank);

// The joker: a double-headed jester in motley, with its own corner marks.
void PaintJoker(QPainter& painter, const CardMetrics& m);

}  // namespace card_art
