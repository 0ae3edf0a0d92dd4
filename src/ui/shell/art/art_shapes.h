#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

// Small shapes shared by the shell pictures: suit pips, simple card silhouettes,
// bells and sparkles. Everything is drawn in the caller's logical coordinates.
namespace shell_art {

enum class Suit { Clubs, Spades, Diamonds, Hearts };

bool IsRedSuit(Suit suit);
QColor SuitColor(Suit suit);

// The suit's pip, filling the given box.
QPainterPath PipPath(Suit suit, const QRectF& box);
void PaintPip(QPainter& p, Suit suit, const QRectF& box);

// A face-up card: rank in the corners and one large pip in the middle.
void PaintCardFace(QPainter& p, const QRectF& card, Suit suit, const QString& rank);
// A face-down card: a white border round a lattice in the given colour.
void PaintCardBack(QPainter& p, const QRectF& card, const QColor& colour);
// The card's outline, for shadows and clips.
QPainterPath CardOutline(const QRectF& card);

// A soft shadow beneath something resting on the table.
void PaintSoftShadow(QPainter& p, const QPainterPath& shape, QPointF offset, int strength);

// The dark outline every figure is drawn with.
QPen InkPen(qreal width = 1.0);

// A round jester's bell hanging from its loop; swing tilts it away from straight down
// in the painter's current coordinates.
void PaintBell(QPainter& p, QPointF loop, qreal radius, qreal swingDegrees);
// The same bell hanging plumb on the picture however the painter is turned, then
// swung by swingDegrees, as a bell on a tilting cap does.
void PaintPlumbBell(QPainter& p, QPointF loop, qreal radius, qreal swingDegrees);

// A four-pointed twinkle.
void PaintSparkle(QPainter& p, QPointF centre, qreal radius, const QColor& colour);

}  // namespace shell_art
