#pragma once

#include "shell/art/art_shapes.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

class QPainter;

// The green table and the cards laid on it, shared by the start picture, the about
// box illustration, the icon and the celebration.
namespace shell_art {

// Table felt lit from above: lighter where the light falls, darker towards the edges.
void PaintFelt(QPainter& p, const QRectF& area, QPointF lightCentre, qreal lightRadius);

struct FannedCard {
    bool faceUp = true;
    Suit suit = Suit::Spades;
    QString rank = QStringLiteral("A");
    QColor back;
};

struct CardFan {
    QPointF pivot;          // the point the cards turn about, below their bottom edge
    QSizeF cardSize;
    qreal pivotGap = 0.0;   // distance from each card's bottom edge down to the pivot
    qreal firstDegrees = 0.0;
    qreal lastDegrees = 0.0;
    bool shadows = true;
};

// Draws the cards from the first (bottom of the pile) to the last (on top).
void PaintCardFan(QPainter& p, const CardFan& fan, const std::vector<FannedCard>& cards);

// One card, turned by degrees about its own centre.
void PaintLooseCard(QPainter& p, const FannedCard& card, QPointF centre, QSizeF size, qreal degrees, bool shadow);

}  // namespace shell_art
