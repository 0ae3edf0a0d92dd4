#pragma once

#include <QColor>
#include <QPointF>

class QPainter;

// Fireworks for a looping animation: every burst repeats with the loop, so the
// last frame leads back into the first.
namespace shell_art {

struct Burst {
    QPointF centre;
    qreal radius;
    QColor outer;
    QColor inner;
    int firstFrame;   // the frame its rocket leaves the ground
    qreal launchY;    // where the rocket rises from
    int rays;
};

// Draws the burst as it looks in the given frame of a loop of loopFrames.
void PaintBurst(QPainter& p, const Burst& burst, int frame, int loopFrames);

}  // namespace shell_art
