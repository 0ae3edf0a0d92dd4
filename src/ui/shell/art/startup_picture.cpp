#include "shell/art/art_lettering.h"
#include "shell/art/art_palette.h"
#include "shell/art/art_shapes.h"
#include "shell/art/art_table.h"
#include "shell/art/shell_pictures.h"

#include <QPainter>
#include <QPainterPath>

// The launcher's start picture: the title on the green table between two small fans
// of cards. Until the first game is chosen the launcher lays a plain panel over the
// picture's lower middle, from (70, 70) to (255, 111), so the title, the hint and the
// cards all keep clear of that area.
namespace shell_art {
namespace {

const QString kTitle = QStringLiteral("Tablewise!");
const QString kHint = QStringLiteral("Choose a game from the list");
constexpr qreal kTitleSize = 42.0;
constexpr qreal kTitleBaseline = 47.0;
constexpr qreal kHintSize = 11.5;
constexpr qreal kHintCentreY = 62.0;
const QSizeF kCardSize(31.0, 46.0);
const QColor kHintColour(0xF6, 0xEB, 0xCF);

void PaintFrame(QPainter& p, const QRectF& area) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(palette::kMotleyGold, 1.2));
    p.drawRoundedRect(area.adjusted(3.5, 3.5, -3.5, -3.5), 6.0, 6.0);
    QColor faint = palette::kMotleyGoldLight;
    faint.setAlpha(90);
    p.setPen(QPen(faint, 0.6));
    p.drawRoundedRect(area.adjusted(6.0, 6.0, -6.0, -6.0), 4.5, 4.5);
    p.restore();
}

void PaintHint(QPainter& p, qreal centreX) {
    const qreal width = PaintCaption(p, kHint, kHintSize, QPointF(centreX, kHintCentreY), kHintColour);
    // A small pip either side of the hint: a red heart before, a cream spade after.
    constexpr qreal kPip = 7.0;
    constexpr qreal kGap = 6.0;
    const qreal top = kHintCentreY - kPip / 2.0;
    p.save();
    p.setPen(QPen(kHintColour, 0.6));
    p.setBrush(palette::kSuitRed);
    p.drawPath(PipPath(Suit::Hearts, QRectF(centreX - width / 2.0 - kGap - kPip, top, kPip, kPip)));
    p.restore();
    p.fillPath(PipPath(Suit::Spades, QRectF(centreX + width / 2.0 + kGap, top, kPip, kPip)), kHintColour);
}

void PaintSparkles(QPainter& p) {
    const QColor twinkle(0xFF, 0xF4, 0xC8, 230);
    PaintSparkle(p, QPointF(74.0, 17.0), 4.0, twinkle);
    PaintSparkle(p, QPointF(284.0, 34.0), 3.2, twinkle);
    PaintSparkle(p, QPointF(263.0, 16.0), 2.2, twinkle);
}

}  // namespace

void PaintStartupPicture(QPainter& p) {
    const QRectF area(QPointF(0.0, 0.0), QSizeF(kStartupSize));
    PaintFelt(p, area, QPointF(area.center().x(), 38.0), 210.0);
    PaintFrame(p, area);

    const CardFan left{QPointF(44.0, 124.0), kCardSize, 12.0, -26.0, 10.0, true};
    PaintCardFan(p, left,
                 {{false, Suit::Spades, QString(), palette::kBackRed},
                  {true, Suit::Spades, QStringLiteral("A"), {}},
                  {true, Suit::Hearts, QStringLiteral("A"), {}}});
    const CardFan right{QPointF(276.0, 124.0), kCardSize, 12.0, -10.0, 26.0, true};
    PaintCardFan(p, right,
                 {{true, Suit::Diamonds, QStringLiteral("A"), {}},
                  {true, Suit::Clubs, QStringLiteral("A"), {}},
                  {false, Suit::Spades, QString(), palette::kBackBlue}});

    PaintGoldLettering(p, {kTitle, kTitleSize, true}, area.center().x(), kTitleBaseline);
    PaintHint(p, area.center().x());
    PaintSparkles(p);
}

}  // namespace shell_art
