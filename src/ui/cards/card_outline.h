#pragma once

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include "cards/card_metrics.h"

namespace card_art {

// A card-sized canvas at the given device pixel ratio, filled with one colour; a
// painter on it works in logical pixels.
QImage NewCardCanvas(const CardMetrics& m, qreal devicePixelRatio, QRgb fill);

QPainterPath CardOutline(const CardMetrics& m);

// Whether a device pixel's centre lies inside the rounded card outline. Keying and
// the outline mask share this one test, so they agree pixel for pixel.
bool PixelInsideOutline(const CardMetrics& m, const QImage& canvas, int x, int y);

// The white face inside its thin grey edge: what every face and the blank border
// card start from.
void PaintBlankFace(QPainter& painter, const CardMetrics& m);

// Makes every pixel outside the outline exactly the mask key and nudges any
// key-coloured pixel inside it, so that keying leaves a clean edge and no holes.
void KeyOutsideOutline(const CardMetrics& m, QImage& canvas);

// Black inside the card outline, white outside.
QImage OutlineMask(const CardMetrics& m, qreal devicePixelRatio);

}  // namespace card_art
