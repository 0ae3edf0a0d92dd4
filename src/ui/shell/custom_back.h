#pragma once

#include <QColor>
#include <QImage>

#include "cards/card_size.h"

// The pictures behind the player's own card back, built on the blank card ("BORDER",
// "sBORDER") with the chosen picture stretched inside its edge, at the card imagery's
// device pixel ratio.

// The blank card of one size with the picture stretched into it: from (5,5) to
// (75,120) on a large card, from (4,4) to (57,91) on a small one. Null when the blank
// card or the picture is missing.
QImage BackOnBlankCard(const QImage& picture, _CardSize size);

// The back as the card imagery takes it: everything the card-outline mask ("BORDERMASK",
// "sBORDERMASK") leaves outside the card becomes the transparent key, and the key colour
// inside the card is nudged off it so that the picture shows no holes. Null when the
// mask is missing or does not match.
QImage MaskedCardBack(const QImage& back, _CardSize size);

// A card picture as the preferences show it: the transparent key around the card
// painted in the dialog's face colour.
QImage OnDialogFace(const QImage& card, const QColor& face);

// Paints the three pixels of each corner (logical pixels) in the face colour, so a
// square picture shows rounded corners on the dialog.
void RoundCorners(QImage& picture, const QColor& face);
