#pragma once

#include <QPainter>

#include "cards/card_metrics.h"

namespace card_art {

// Draws the face of one card (rank 0 Ace to 12 King) on a blank face.
void PaintFace(QPainter& painter, const CardMetrics& m, int suit, int rank);

// The corner index: top left, and the same turned half round at bottom right.
void PaintCornerIndices(QPainter& painter, const CardMetrics& m, int suit, int rank);

}  // namespace card_art
