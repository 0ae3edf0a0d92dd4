#pragma once

#include <QtGlobal>

class QPainter;

// The court jester, in the 68 x 97 box of the jester pictures, without background.
namespace shell_art {

// sway runs from -1 (the hand on the picture's left waving) through 0 (standing
// centred, hands out) to +1 (the hand on the right waving); values between blend
// the poses, so a sine of the frame number gives a smooth sway.
void PaintJester(QPainter& p, qreal sway);

// The three-lobed cap with its bells, in head coordinates: the head's centre at the
// origin, its radius kJesterHeadRadius, the cap reaching about 42 units up and 30
// across to either side. bellSwing tilts the bells in degrees. Alone on a table the
// cap shows its dark opening under the band.
inline constexpr qreal kJesterHeadRadius = 12.5;
void PaintJesterHat(QPainter& p, qreal bellSwing, bool showOpening);

}  // namespace shell_art
