#pragma once

#include <QRectF>
#include <QSizeF>
#include <QtGui/qrgb.h>

#include "cards/card_size.h"

namespace card_art {

// Where things sit on a card of one size, in logical pixels. The corner index is a
// narrow column at the left edge, rank over suit, so that it stays readable both in
// a column fanned downwards by 20 (16) pixels and in a row fanned sideways by 12 (9).
struct CardMetrics {
    QSizeF size;
    qreal cornerRadius;
    qreal edgeWidth;

    qreal indexCentreX;
    qreal rankTop;
    qreal rankCapHeight;
    qreal rankMaxWidth;
    qreal indexSuitTop;
    qreal indexSuitHeight;

    // The centres of the outermost pips span this rectangle.
    QRectF pipCentres;
    qreal pipHeight;
    qreal acePipHeight;
    qreal spadeAcePipHeight;

    QRectF courtPanel;
    qreal backMargin;
};

CardMetrics MetricsFor(_CardSize size);

// The transparent key of every card image: the table shows wherever this colour is.
constexpr QRgb kMaskKey = qRgb(255, 0, 255);
// The closest colour to the key that a drawing may keep inside the card.
constexpr QRgb kNearMaskKey = qRgb(254, 0, 255);

constexpr QRgb kRedInk = qRgb(204, 18, 36);
constexpr QRgb kBlackInk = qRgb(24, 24, 30);
constexpr QRgb kCardEdge = qRgb(78, 78, 82);
constexpr QRgb kCardFace = qRgb(255, 255, 255);
constexpr QRgb kGold = qRgb(222, 172, 48);
constexpr QRgb kDarkGold = qRgb(150, 104, 20);
constexpr QRgb kRoyalBlue = qRgb(38, 74, 160);
constexpr QRgb kSkin = qRgb(250, 222, 192);
constexpr QRgb kOutline = qRgb(50, 36, 30);
constexpr QRgb kPanelCream = qRgb(253, 248, 232);

inline bool IsRedSuit(int suit) { return suit == 2 || suit == 3; }
inline QRgb SuitInk(int suit) { return IsRedSuit(suit) ? kRedInk : kBlackInk; }

}  // namespace card_art
