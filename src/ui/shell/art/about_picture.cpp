#include "shell/art/art_palette.h"
#include "shell/art/art_shapes.h"
#include "shell/art/art_stage.h"
#include "shell/art/art_table.h"
#include "shell/art/jester_figure.h"
#include "shell/art/shell_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

// The about box's illustration: a still life on a little stage, a hand of cards
// fanned on the green table and the jester's cap resting beside it.
namespace shell_art {
namespace {

const QRectF kScene(4.0, 4.0, 298.0, 271.0);
constexpr qreal kSceneCorner = 10.0;
constexpr qreal kTableTop = 128.0;
constexpr qreal kRailHeight = 8.0;
const QSizeF kCardSize(52.0, 80.0);
const QPointF kHatCentre(226.0, 190.0);
constexpr qreal kHatScale = 1.75;
constexpr qreal kHatTiltDegrees = 7.0;

void PaintHatShadow(QPainter& p) {
    QRadialGradient shade(kHatCentre + QPointF(0.0, 6.0), 52.0);
    shade.setColorAt(0.0, QColor(0, 0, 0, 110));
    shade.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.save();
    p.translate(kHatCentre + QPointF(4.0, 6.0));
    p.scale(1.0, 0.22);
    p.translate(-(kHatCentre + QPointF(4.0, 6.0)));
    p.fillRect(QRectF(kHatCentre.x() - 60.0, kHatCentre.y() - 60.0, 120.0, 120.0), shade);
    p.restore();
}

void PaintStage(QPainter& p) {
    PaintCurtain(p, QRectF(kScene.left(), kScene.top(), kScene.width(), kTableTop - kScene.top()));
    // A warm spotlight on the curtain behind the cards.
    QRadialGradient spot(QPointF(150.0, 100.0), 120.0);
    spot.setColorAt(0.0, QColor(0xFF, 0xD8, 0x90, 90));
    spot.setColorAt(1.0, QColor(0xFF, 0xD8, 0x90, 0));
    p.fillRect(QRectF(kScene.left(), kScene.top(), kScene.width(), kTableTop - kScene.top()), spot);
    PaintValance(p, QRectF(kScene.left(), kScene.top(), kScene.width(), 30.0), 7);

    const QRectF felt(kScene.left(), kTableTop + kRailHeight, kScene.width(), kScene.bottom() - kTableTop - kRailHeight);
    PaintFelt(p, felt, QPointF(150.0, 190.0), 190.0);
    PaintTableRail(p, QRectF(kScene.left(), kTableTop, kScene.width(), kRailHeight));
}

void PaintStillLife(QPainter& p) {
    PaintLooseCard(p, {false, Suit::Spades, QString(), palette::kBackBlue}, QPointF(252.0, 236.0), kCardSize * 0.9,
                   68.0, true);
    const CardFan hand{QPointF(112.0, 270.0), kCardSize, 14.0, -32.0, 30.0, true};
    PaintCardFan(p, hand,
                 {{true, Suit::Clubs, QStringLiteral("10"), {}},
                  {true, Suit::Diamonds, QStringLiteral("J"), {}},
                  {true, Suit::Spades, QStringLiteral("Q"), {}},
                  {true, Suit::Hearts, QStringLiteral("K"), {}},
                  {true, Suit::Spades, QStringLiteral("A"), {}}});

    PaintHatShadow(p);
    p.save();
    p.translate(kHatCentre);
    p.rotate(kHatTiltDegrees);
    p.scale(kHatScale, kHatScale);
    PaintJesterHat(p, 0.0, true);
    p.restore();

    // A bell come loose, lying on the felt.
    PaintBell(p, QPointF(194.0, 232.0), 5.0, -70.0);
}

void PaintSparkles(QPainter& p) {
    const QColor twinkle(0xFF, 0xF0, 0xC0, 220);
    PaintSparkle(p, QPointF(40.0, 70.0), 5.0, twinkle);
    PaintSparkle(p, QPointF(268.0, 58.0), 4.0, twinkle);
    PaintSparkle(p, QPointF(186.0, 90.0), 2.6, twinkle);
    PaintSparkle(p, QPointF(96.0, 104.0), 2.4, twinkle);
}

}  // namespace

void PaintAboutPicture(QPainter& p) {
    // The margin keeps the about box's window colour, so the picture sits in it like
    // a framed print.
    p.fillRect(QRectF(QPointF(0.0, 0.0), QSizeF(kAboutSize)), palette::kParchment);
    QPainterPath frame;
    frame.addRoundedRect(kScene, kSceneCorner, kSceneCorner);
    PaintSoftShadow(p, frame, QPointF(1.0, 1.5), 60);

    p.save();
    p.setClipPath(frame);
    PaintStage(p);
    PaintSparkles(p);
    PaintStillLife(p);
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(palette::kMotleyGoldDark, 3.0));
    p.drawPath(frame);
    p.setPen(QPen(palette::kMotleyGoldLight, 1.0));
    p.drawPath(frame);
}

}  // namespace shell_art
