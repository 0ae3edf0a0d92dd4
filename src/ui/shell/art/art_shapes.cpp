#include "shell/art/art_shapes.h"

#include "shell/art/art_palette.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QTransform>

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace shell_art {
namespace {

// Pips are designed in a unit square and scaled into the caller's box.
QPainterPath UnitHeart() {
    QPainterPath path;
    path.moveTo(0.5, 0.98);
    path.cubicTo(0.40, 0.86, 0.0, 0.64, 0.0, 0.31);
    path.cubicTo(0.0, 0.11, 0.14, 0.0, 0.27, 0.0);
    path.cubicTo(0.39, 0.0, 0.47, 0.08, 0.5, 0.19);
    path.cubicTo(0.53, 0.08, 0.61, 0.0, 0.73, 0.0);
    path.cubicTo(0.86, 0.0, 1.0, 0.11, 1.0, 0.31);
    path.cubicTo(1.0, 0.64, 0.60, 0.86, 0.5, 0.98);
    path.closeSubpath();
    return path;
}

QPainterPath UnitDiamond() {
    QPainterPath path;
    path.moveTo(0.5, 0.0);
    path.quadTo(0.66, 0.28, 0.88, 0.5);
    path.quadTo(0.66, 0.72, 0.5, 1.0);
    path.quadTo(0.34, 0.72, 0.12, 0.5);
    path.quadTo(0.34, 0.28, 0.5, 0.0);
    path.closeSubpath();
    return path;
}

QPainterPath UnitSpade() {
    QPainterPath path;
    path.moveTo(0.5, 0.0);
    path.cubicTo(0.60, 0.16, 1.0, 0.36, 1.0, 0.60);
    path.cubicTo(1.0, 0.77, 0.87, 0.86, 0.74, 0.86);
    path.cubicTo(0.64, 0.86, 0.57, 0.81, 0.535, 0.75);
    path.cubicTo(0.55, 0.87, 0.61, 0.95, 0.72, 1.0);
    path.lineTo(0.28, 1.0);
    path.cubicTo(0.39, 0.95, 0.45, 0.87, 0.465, 0.75);
    path.cubicTo(0.43, 0.81, 0.36, 0.86, 0.26, 0.86);
    path.cubicTo(0.13, 0.86, 0.0, 0.77, 0.0, 0.60);
    path.cubicTo(0.0, 0.36, 0.40, 0.16, 0.5, 0.0);
    path.closeSubpath();
    return path;
}

QPainterPath UnitClub() {
    // Every part runs clockwise, so the winding fill joins them without holes.
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    constexpr qreal kLeaf = 0.235;
    path.addEllipse(QPointF(0.5, 0.25), kLeaf, kLeaf);
    path.addEllipse(QPointF(0.25, 0.59), kLeaf, kLeaf);
    path.addEllipse(QPointF(0.75, 0.59), kLeaf, kLeaf);
    path.addEllipse(QPointF(0.5, 0.52), 0.14, 0.14);
    path.moveTo(0.465, 0.55);
    path.lineTo(0.535, 0.55);
    path.cubicTo(0.55, 0.80, 0.60, 0.93, 0.72, 1.0);
    path.lineTo(0.28, 1.0);
    path.cubicTo(0.40, 0.93, 0.45, 0.80, 0.465, 0.55);
    path.closeSubpath();
    return path;
}

QPainterPath UnitPip(Suit suit) {
    switch (suit) {
    case Suit::Clubs: return UnitClub();
    case Suit::Spades: return UnitSpade();
    case Suit::Diamonds: return UnitDiamond();
    case Suit::Hearts: return UnitHeart();
    }
    return {};
}

qreal CornerRadius(const QRectF& card) { return card.width() * 0.09; }

}  // namespace

bool IsRedSuit(Suit suit) { return suit == Suit::Diamonds || suit == Suit::Hearts; }

QColor SuitColor(Suit suit) { return IsRedSuit(suit) ? palette::kSuitRed : palette::kSuitBlack; }

QPainterPath PipPath(Suit suit, const QRectF& box) {
    QTransform toBox;
    toBox.translate(box.x(), box.y());
    toBox.scale(box.width(), box.height());
    return toBox.map(UnitPip(suit));
}

void PaintPip(QPainter& p, Suit suit, const QRectF& box) {
    p.fillPath(PipPath(suit, box), SuitColor(suit));
}

QPainterPath CardOutline(const QRectF& card) {
    QPainterPath path;
    path.addRoundedRect(card, CornerRadius(card), CornerRadius(card));
    return path;
}

void PaintCardFace(QPainter& p, const QRectF& card, Suit suit, const QString& rank) {
    p.save();
    QLinearGradient paper(card.topLeft(), card.bottomRight());
    paper.setColorAt(0.0, palette::kCardWhite);
    paper.setColorAt(1.0, palette::kCardIvory);
    p.setPen(QPen(palette::kCardEdge, std::max<qreal>(0.6, card.width() / 60.0)));
    p.setBrush(paper);
    p.drawPath(CardOutline(card));

    const qreal w = card.width();
    const qreal h = card.height();
    const QRectF centre(card.center().x() - w * 0.25, card.center().y() - w * 0.25, w * 0.5, w * 0.5);
    PaintPip(p, suit, centre);

    // The corner index: the rank with a small pip below, turned over in the far corner.
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    font.setPixelSize(std::max(4, qRound(w * 0.22)));
    const QRectF rankBox(0.0, 0.0, w * 0.26, w * 0.24);
    const QRectF pipBox(w * 0.06, w * 0.25, w * 0.14, w * 0.14);
    for (int corner = 0; corner < 2; ++corner) {
        p.save();
        p.translate(card.topLeft());
        if (corner == 1) {
            p.translate(w, h);
            p.rotate(180.0);
        }
        p.translate(w * 0.02, h * 0.025);
        p.setFont(font);
        p.setPen(SuitColor(suit));
        p.drawText(rankBox, Qt::AlignCenter, rank);
        PaintPip(p, suit, pipBox);
        p.restore();
    }
    p.restore();
}

void PaintCardBack(QPainter& p, const QRectF& card, const QColor& colour) {
    p.save();
    p.setPen(QPen(palette::kCardEdge, std::max<qreal>(0.6, card.width() / 60.0)));
    p.setBrush(palette::kCardWhite);
    p.drawPath(CardOutline(card));

    const qreal inset = card.width() * 0.08;
    const QRectF field = card.adjusted(inset, inset, -inset, -inset);
    QPainterPath fieldPath;
    fieldPath.addRoundedRect(field, CornerRadius(field) * 0.6, CornerRadius(field) * 0.6);
    p.fillPath(fieldPath, colour);

    // A diagonal lattice in a lighter tone, kept inside the field.
    p.setClipPath(fieldPath, Qt::IntersectClip);
    p.setPen(QPen(colour.lighter(140), std::max<qreal>(0.5, card.width() / 45.0)));
    const qreal step = card.width() / 6.0;
    for (qreal d = -field.height(); d < field.width() + field.height(); d += step) {
        p.drawLine(QPointF(field.left() + d, field.top()), QPointF(field.left() + d - field.height(), field.bottom()));
        p.drawLine(QPointF(field.left() + d, field.top()), QPointF(field.left() + d + field.height(), field.bottom()));
    }
    p.setClipping(false);
    p.setPen(QPen(colour.darker(130), std::max<qreal>(0.5, card.width() / 60.0)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(fieldPath);

    // A small gold emblem in the middle.
    const qreal e = card.width() * 0.14;
    QPainterPath emblem;
    const QPointF c = card.center();
    emblem.moveTo(c.x(), c.y() - e * 1.4);
    emblem.lineTo(c.x() + e, c.y());
    emblem.lineTo(c.x(), c.y() + e * 1.4);
    emblem.lineTo(c.x() - e, c.y());
    emblem.closeSubpath();
    p.setPen(QPen(palette::kMotleyGoldDark, std::max<qreal>(0.5, card.width() / 70.0)));
    p.setBrush(palette::kMotleyGold);
    p.drawPath(emblem);
    p.restore();
}

void PaintSoftShadow(QPainter& p, const QPainterPath& shape, QPointF offset, int strength) {
    // A few widening, fainter copies stand in for a blur.
    p.save();
    p.setBrush(Qt::NoBrush);
    constexpr int kLayers = 4;
    for (int layer = kLayers; layer >= 1; --layer) {
        p.setPen(QPen(QColor(0, 0, 0, strength / (layer + 1)), layer * 1.6, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.drawPath(shape.translated(offset));
    }
    p.fillPath(shape.translated(offset), QColor(0, 0, 0, strength));
    p.restore();
}

void PaintBell(QPainter& p, QPointF loop, qreal radius, qreal swingDegrees) {
    p.save();
    p.translate(loop);
    p.rotate(swingDegrees);
    const QPointF centre(0.0, radius * 1.1);
    const qreal outline = std::max<qreal>(0.6, radius * 0.22);

    p.setPen(QPen(palette::kMotleyGoldDark.darker(130), outline));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0.0, radius * 0.05), radius * 0.28, radius * 0.28);

    QRadialGradient shine(centre + QPointF(-radius * 0.35, -radius * 0.4), radius * 1.3);
    shine.setColorAt(0.0, palette::kMotleyGoldLight);
    shine.setColorAt(0.55, palette::kMotleyGold);
    shine.setColorAt(1.0, palette::kMotleyGoldDark);
    p.setPen(QPen(palette::kInk, outline * 0.8));
    p.setBrush(shine);
    p.drawEllipse(centre, radius, radius);

    // The slit and the clapper hole that make a ball read as a bell.
    p.setPen(QPen(palette::kInk, outline * 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(0.0, radius * 0.25), centre + QPointF(0.0, radius * 0.95));
    p.setBrush(palette::kInk);
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre + QPointF(0.0, radius * 0.3), radius * 0.2, radius * 0.2);
    p.restore();
}

QPen InkPen(qreal width) { return QPen(palette::kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void PaintPlumbBell(QPainter& p, QPointF loop, qreal radius, qreal swingDegrees) {
    const QTransform& turn = p.worldTransform();
    const qreal painterDegrees = qRadiansToDegrees(std::atan2(turn.m12(), turn.m11()));
    PaintBell(p, loop, radius, swingDegrees - painterDegrees);
}

void PaintSparkle(QPainter& p, QPointF centre, qreal radius, const QColor& colour) {
    QPainterPath star;
    const qreal waist = radius * 0.22;
    star.moveTo(centre.x(), centre.y() - radius);
    star.quadTo(centre.x() + waist, centre.y() - waist, centre.x() + radius, centre.y());
    star.quadTo(centre.x() + waist, centre.y() + waist, centre.x(), centre.y() + radius);
    star.quadTo(centre.x() - waist, centre.y() + waist, centre.x() - radius, centre.y());
    star.quadTo(centre.x() - waist, centre.y() - waist, centre.x(), centre.y() - radius);
    star.closeSubpath();
    p.fillPath(star, colour);
}

}  // namespace shell_art
