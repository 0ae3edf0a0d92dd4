#include "shell/art/art_palette.h"
#include "shell/art/art_table.h"
#include "shell/art/jester_figure.h"
#include "shell/art/shell_pictures.h"

#include <QPainter>
#include <QPainterPath>

// The program icon: a jester's cap over a fanned pair of aces on a rounded tile of
// table felt. Outside the tile the icon is clear, so it sits on any panel.
namespace shell_art {
namespace {

const QRectF kTile(1.0, 1.0, 62.0, 62.0);
constexpr qreal kTileCorner = 12.0;
const QSizeF kCardSize(26.0, 38.0);
const QPointF kFanPivot(32.0, 70.0);
constexpr qreal kFanGap = 10.0;
constexpr qreal kFanSpreadDegrees = 16.0;
const QPointF kHatCentre(32.0, 33.5);
constexpr qreal kHatScale = 0.72;

}  // namespace

void PaintAppIcon(QPainter& p) {
    QPainterPath tile;
    tile.addRoundedRect(kTile, kTileCorner, kTileCorner);
    p.save();
    p.setClipPath(tile);
    PaintFelt(p, kTile, QPointF(32.0, 24.0), 48.0);
    const CardFan fan{kFanPivot, kCardSize, kFanGap, -kFanSpreadDegrees, kFanSpreadDegrees, true};
    PaintCardFan(p, fan, {{true, Suit::Spades, QStringLiteral("A"), {}}, {true, Suit::Hearts, QStringLiteral("A"), {}}});
    p.restore();

    p.setPen(QPen(palette::kMotleyGold, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tile);

    p.save();
    p.translate(kHatCentre);
    p.scale(kHatScale, kHatScale);
    PaintJesterHat(p, 0.0, true);
    p.restore();
}

}  // namespace shell_art
