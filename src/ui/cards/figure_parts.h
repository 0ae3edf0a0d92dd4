#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <initializer_list>

#include "cards/court_figures.h"

// Shapes shared by the court figures, in the half panel's fractions.
namespace card_art::figure {

// The head sits right of centre so the panel's suit pip has the top-left corner.
constexpr qreal kHeadU = 0.56;
constexpr qreal kHeadV = 0.42;

constexpr QRgb kErmine = qRgb(252, 252, 248);

struct UV {
    qreal u;
    qreal v;
};

QPainterPath Polygon(const HalfPanel& h, std::initializer_list<UV> points);
QPainterPath Oval(const HalfPanel& h, qreal u, qreal v, qreal ru, qreal rv);

// Filled and outlined in the figures' dark outline colour.
void Shape(QPainter& p, const HalfPanel& h, const QPainterPath& path, const QColor& fill, qreal weight = 0.7);
void Stroke(QPainter& p, const HalfPanel& h, const QPainterPath& path, const QColor& colour, qreal weight);
// A pole drawn as a dark outline with a lighter core, so it reads at small sizes.
void Pole(QPainter& p, const HalfPanel& h, UV from, UV to, const QColor& colour, qreal weight);
// An arm in the second colour raised to a hand at (u, v) that holds something.
void Hand(QPainter& p, const HalfPanel& h, qreal u, qreal v, const CourtColours& c);
// Shoulders and robe down to the middle of the card, optionally with a jewelled band.
void Robe(QPainter& p, const HalfPanel& h, const CourtColours& c, bool withBand);
// Neck, face and features; a queen and the jester wear red on their lips.
void Head(QPainter& p, const HalfPanel& h, bool rouged);

}  // namespace card_art::figure
