#pragma once

#include <QImage>
#include <QString>

#include <vector>

// The shell's own pictures, drawn by our code at the screen's device pixel ratio:
// the launcher's jester and start picture, the about box illustration, the program
// icon and the frames of the win celebration. Each picture keeps a fixed logical
// size; at ratio 2 it has twice the pixels across and down.
//
// Names (any letter case): "JESTER1", "JESTER2", "JESTER3" (68 x 97, the about box
// animates them 3, 2, 1, 2), "STARTUP" (320 x 125), "ABOUT" (306 x 279), "APPICON"
// (64 x 64, transparent around the motif) and "WIN_AVI" (376 x 154, its first frame).
// Any other name gives a null image.
QImage RenderShellPicture(const QString& name, qreal devicePixelRatio = 1.0);

// The ten frames of "WIN_AVI", 376 x 154 each, meant to loop at 5 frames a second;
// the last frame leads smoothly back into the first.
std::vector<QImage> RenderWinAnimation(qreal devicePixelRatio = 1.0);
