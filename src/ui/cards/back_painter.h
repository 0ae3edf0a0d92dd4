#pragma once

#include <QPainter>

#include "cards/card_metrics.h"

namespace card_art {

constexpr int kBackDesignCount = 3;

// One of the three built-in backs (0 blue lattice, 1 crimson rings, 2 green
// argyle), inside a white margin, on a blank face.
void PaintBack(QPainter& painter, const CardMetrics& m, int design);

}  // namespace card_art
