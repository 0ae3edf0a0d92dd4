#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>

#include "services/preferences.h"

class GameWindow;

// How the table behind the cards is painted.
enum TBackType { btNormal, btBlend, btBitmap };
// Which way a gradient runs: colour changing left to right, or top to bottom.
enum TFillType { gHorz, gVert };

// The background painter's settings (our TzBackground). btNormal leaves the table to
// the window's own colour; the other two paint a table bitmap that the piles copy from.
struct TzBackground {
    // Colour steps of a gradient beyond the first: 256 bands from start to end.
    static constexpr int Bands = 255;

    TBackType BackType = btNormal;
    TFillType FillType = gVert;
    QColor Color;     // gradient start
    QColor EndColor;  // gradient end
    QPixmap BitMap;   // the tile
};

// The table for a client area of clientSize (device-independent pixels), rendered at
// devicePixelRatio. Null when the painter has nothing to paint: btNormal, or btBitmap
// without a picture.
QPixmap PaintTableBitmap(const TzBackground& painter, QSize clientSize, qreal devicePixelRatio);

// The painter's settings for the player's background preference. A tiled picture
// that is missing falls back to btNormal.
TzBackground BackgroundFor(const PreferenceValues& preferences, const QPixmap* backgroundPicture);

// Paints the window's table as the preferences ask: gradient or picture into the
// table bitmap with every pile copying from it, else the plain colour. Called at
// creation, on every resize and after the preferences close.
void ApplyBackground(GameWindow& window, const PreferenceValues& preferences, const QPixmap* backgroundPicture);
