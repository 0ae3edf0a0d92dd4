#include "cards/suit_paths.h"

#include <QTransform>
#include <array>

namespace card_art {

namespace {

constexpr qreal kUnionScale = 1000;

QPainterPath ClubPath() {
    constexpr qreal leafRadius = 0.22;
    const QPointF top(0, -0.27);
    const QPointF left(-0.265, 0.08);
    const QPointF right(0.265, 0.08);
    QPainterPath leaves;
    leaves.addEllipse(top, leafRadius, leafRadius);
    leaves.addEllipse(left, leafRadius, leafRadius);
    leaves.addEllipse(right, leafRadius, leafRadius);
    // The triangle of the leaf centres fills the middle without bulging past the leaves.
    QPainterPath middle;
    middle.addPolygon(QPolygonF({top, left, right}));
    middle.closeSubpath();
    QPainterPath stem;
    stem.moveTo(-0.035, 0.0);
    stem.cubicTo(-0.035, 0.3, -0.1, 0.44, -0.2, 0.5);
    stem.lineTo(0.2, 0.5);
    stem.cubicTo(0.1, 0.44, 0.035, 0.3, 0.035, 0.0);
    stem.closeSubpath();
    // Boolean operations flatten curves to a fixed tolerance, so the union is taken
    // at a large scale and shrunk afterwards to keep the leaves round.
    const QTransform up = QTransform::fromScale(kUnionScale, kUnionScale);
    const QPainterPath club = up.map(leaves).united(up.map(middle)).united(up.map(stem)).simplified();
    return QTransform::fromScale(1 / kUnionScale, 1 / kUnionScale).map(club);
}

QPainterPath SpadePath() {
    QPainterPath body;
    body.moveTo(0, -0.5);
    body.cubicTo(0.07, -0.35, 0.46, -0.15, 0.46, 0.11);
    body.cubicTo(0.46, 0.28, 0.33, 0.36, 0.2, 0.36);
    body.cubicTo(0.11, 0.36, 0.05, 0.32, 0.03, 0.27);
    body.cubicTo(0.05, 0.38, 0.12, 0.46, 0.21, 0.5);
    body.lineTo(-0.21, 0.5);
    body.cubicTo(-0.12, 0.46, -0.05, 0.38, -0.03, 0.27);
    body.cubicTo(-0.05, 0.32, -0.11, 0.36, -0.2, 0.36);
    body.cubicTo(-0.33, 0.36, -0.46, 0.28, -0.46, 0.11);
    body.cubicTo(-0.46, -0.15, -0.07, -0.35, 0, -0.5);
    body.closeSubpath();
    return body;
}

QPainterPath HeartPath() {
    QPainterPath heart;
    heart.moveTo(0, 0.5);
    heart.cubicTo(-0.1, 0.34, -0.5, 0.12, -0.5, -0.18);
    heart.cubicTo(-0.5, -0.38, -0.37, -0.5, -0.24, -0.5);
    heart.cubicTo(-0.12, -0.5, -0.03, -0.42, 0, -0.31);
    heart.cubicTo(0.03, -0.42, 0.12, -0.5, 0.24, -0.5);
    heart.cubicTo(0.37, -0.5, 0.5, -0.38, 0.5, -0.18);
    heart.cubicTo(0.5, 0.12, 0.1, 0.34, 0, 0.5);
    heart.closeSubpath();
    return heart;
}

QPainterPath DiamondPath() {
    QPainterPath diamond;
    diamond.moveTo(0, -0.5);
    diamond.quadTo(0.17, -0.21, 0.39, 0);
    diamond.quadTo(0.17, 0.21, 0, 0.5);
    diamond.quadTo(-0.17, 0.21, -0.39, 0);
    diamond.quadTo(-0.17, -0.21, 0, -0.5);
    diamond.closeSubpath();
    return diamond;
}

}  // namespace

const QPainterPath& SuitPath(int suit) {
    // Built once: the club's union of circles is the only costly one.
    static const std::array<QPainterPath, 4> paths{ClubPath(), SpadePath(), DiamondPath(), HeartPath()};
    return paths[static_cast<std::size_t>(suit & 3)];
}

QPainterPath PlacedSuit(int suit, QPointF centre, qreal height, bool inverted) {
    QTransform place;
    place.translate(centre.x(), centre.y());
    place.scale(height, inverted ? -height : height);
    return place.map(SuitPath(suit));
}

}  // namespace card_art
