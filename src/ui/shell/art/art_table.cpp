#include "shell/art/art_table.h"

#include "shell/art/art_palette.h"

#include <QPainter>
#include <QRadialGradient>

namespace shell_art {
namespace {

constexpr int kCardShadowStrength = 70;
const QPointF kCardShadowOffset(1.2, 1.8);

void PaintCardAt(QPainter& p, const FannedCard& card, const QRectF& rect, bool shadow) {
    if (shadow) {
        PaintSoftShadow(p, CardOutline(rect), kCardShadowOffset, kCardShadowStrength);
    }
    if (card.faceUp) {
        PaintCardFace(p, rect, card.suit, card.rank);
    } else {
        PaintCardBack(p, rect, card.back.isValid() ? card.back : palette::kBackRed);
    }
}

}  // namespace

void PaintFelt(QPainter& p, const QRectF& area, QPointF lightCentre, qreal lightRadius) {
    QRadialGradient light(lightCentre, lightRadius);
    light.setColorAt(0.0, palette::kFeltLight);
    light.setColorAt(0.55, palette::kFelt);
    light.setColorAt(1.0, palette::kFeltDark);
    p.fillRect(area, light);
}

void PaintCardFan(QPainter& p, const CardFan& fan, const std::vector<FannedCard>& cards) {
    const int count = static_cast<int>(cards.size());
    for (int i = 0; i < count; ++i) {
        const qreal t = count > 1 ? static_cast<qreal>(i) / (count - 1) : 0.5;
        p.save();
        p.translate(fan.pivot);
        p.rotate(fan.firstDegrees + (fan.lastDegrees - fan.firstDegrees) * t);
        const QRectF rect(-fan.cardSize.width() / 2.0, -fan.pivotGap - fan.cardSize.height(), fan.cardSize.width(),
                          fan.cardSize.height());
        PaintCardAt(p, cards[static_cast<std::size_t>(i)], rect, fan.shadows);
        p.restore();
    }
}

void PaintLooseCard(QPainter& p, const FannedCard& card, QPointF centre, QSizeF size, qreal degrees, bool shadow) {
    p.save();
    p.translate(centre);
    p.rotate(degrees);
    PaintCardAt(p, card, QRectF(QPointF(-size.width() / 2.0, -size.height() / 2.0), size), shadow);
    p.restore();
}

}  // namespace shell_art
