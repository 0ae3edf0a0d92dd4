#pragma once

#include <QSize>

class QPainter;

// Painters of the shell's pictures. Each draws in logical pixels on a painter
// whose device already has the picture's size and ratio.
namespace shell_art {

inline constexpr QSize kJesterSize{68, 97};
inline constexpr QSize kStartupSize{320, 125};
inline constexpr QSize kAboutSize{306, 279};
inline constexpr QSize kAppIconSize{64, 64};
inline constexpr QSize kWinFrameSize{376, 154};
inline constexpr int kWinFrameCount = 10;

// Pose 1 waves the hand on the picture's right, pose 2 stands centred, pose 3 waves
// the hand on the left, so playing 3, 2, 1, 2 sways the jester from side to side.
void PaintJesterPicture(QPainter& p, int pose);
void PaintStartupPicture(QPainter& p);
void PaintAboutPicture(QPainter& p);
void PaintAppIcon(QPainter& p);
void PaintWinFrame(QPainter& p, int frame);

}  // namespace shell_art
