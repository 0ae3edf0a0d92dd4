#pragma once

#include <QImage>
#include <QString>

// Our own card artwork, drawn on demand and looked up by resource name (case does not
// matter): "FSCARD100" to "FSCARD157" for large cards and "sFSCARD100" to
// "sFSCARD157" for small ones, and the custom-back helpers "BORDER", "BORDERMASK",
// "sBORDER", "sBORDERMASK".
//
// Numbers: 100 + suit × 13 + rank for the 52 faces (Clubs, Spades, Diamonds, Hearts;
// Ace to King), 152 the joker, 153 to 155 the three backs, 156 the recycle mark and
// 157 the cross mark. Faces, backs and "BORDER" are magenta outside the rounded card
// outline (the transparent key) and never magenta inside it; the marks are opaque;
// "BORDERMASK" is black inside the outline and white outside.
//
// The image has the card's logical size (80 × 125 or 61 × 95) times the device pixel
// ratio in pixels and carries that ratio. An unknown name gives a null image.
// Needs the GUI application object, as the rank letters come from its fonts.
QImage RenderCardResource(const QString& name, qreal devicePixelRatio);
