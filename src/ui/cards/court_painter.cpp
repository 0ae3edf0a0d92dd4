#include "cards/court_painter.h"

#include <QPainterPath>
#include <QTransform>

#include "cards/court_figures.h"
#include "cards/face_painter.h"
#include "cards/rank_glyphs.h"
#include "cards/suit_paths.h"

namespace card_art {

namespace {

constexpr int kJack = 10;
constexpr int kQueen = 11;
// How far the dividing line between the two heads leans away from level, as a share
// of the half panel's height.
constexpr qreal kDividerLean = 0.08;
// The gold frame stands this many line widths inside the panel's edge.
constexpr qreal kGoldFrameInset = 2.2;
constexpr QRgb kBlackSuitRobe = qRgb(40, 40, 52);
constexpr QRgb kJesterRed = qRgb(206, 30, 44);
constexpr QRgb kCourtGreen = qRgb(30, 118, 78);

HalfPanel UpperHalf(const QRectF& panel) {
    return {QRectF(panel.topLeft(), QSizeF(panel.width(), panel.height() / 2))};
}

QPolygonF UpperHalfClip(const HalfPanel& h) {
    return QPolygonF({h.At(0, 0), h.At(1, 0), h.At(1, 1 - kDividerLean), h.At(0, 1 + kDividerLean)});
}

// Draws the upper half, then the same half turned about the panel's centre, so the
// figure reads the same from either end of the card.
template <typename DrawHalf>
void PaintDoubleHeaded(QPainter& p, const QRectF& panel, const QColor& frameInk, DrawHalf drawHalf) {
    const HalfPanel half = UpperHalf(panel);
    const qreal inset = half.Line(kGoldFrameInset);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kPanelCream));
    p.drawRect(panel);
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) {
            p.translate(panel.center());
            p.rotate(180);
            p.translate(-panel.center());
        }
        // Nothing of the figure may cross the gold frame.
        p.setClipRect(panel.adjusted(inset, inset, -inset, -inset));
        QPainterPath clip;
        clip.addPolygon(UpperHalfClip(half));
        p.setClipPath(clip, Qt::IntersectClip);
        drawHalf(half);
        p.restore();
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(frameInk, half.Line(0.8)));
    const qreal end = inset / half.area.width();
    p.drawLine(half.At(end, 1 + kDividerLean * (1 - 2 * end)), half.At(1 - end, 1 - kDividerLean * (1 - 2 * end)));
    p.setPen(QPen(QColor(kGold), half.Line(1.2)));
    p.drawRect(panel.adjusted(inset, inset, -inset, -inset));
    p.setPen(QPen(frameInk, half.Line(1.0)));
    p.drawRect(panel);
}

CourtColours ColoursFor(int suit) {
    const QColor robe = IsRedSuit(suit) ? QColor(kRedInk) : QColor(kBlackSuitRobe);
    // Sleeves and jewels alternate blue and green, so that the two courts of one
    // colour differ at a glance.
    const bool greenAccent = suit == 1 || suit == 3;
    return {robe, QColor(greenAccent ? kCourtGreen : kRoyalBlue), QColor(SuitInk(suit))};
}

Figure FigureFor(int rank) {
    if (rank == kJack) return Figure::Jack;
    if (rank == kQueen) return Figure::Queen;
    return Figure::King;
}

void JokerIndex(QPainter& p, const CardMetrics& m) {
    // The word runs down the corner in small capitals, with a star beneath it.
    const QString word = QStringLiteral("JOKER");
    const qreal capHeight = m.rankCapHeight * 0.55;
    const qreal step = capHeight * 1.25;
    for (int i = 0; i < word.size(); ++i) {
        QTransform place;
        place.translate(m.indexCentreX, m.rankTop + i * step);
        place.scale(capHeight, capHeight);
        p.fillPath(place.map(IndexText(word.mid(i, 1))), QColor(kJesterRed));
    }
}

}  // namespace

void PaintCourt(QPainter& painter, const CardMetrics& m, int suit, int rank) {
    const CourtColours colours = ColoursFor(suit);
    const Figure figure = FigureFor(rank);
    PaintDoubleHeaded(painter, m.courtPanel, colours.ink, [&](const HalfPanel& half) {
        PaintFigure(painter, half, figure, colours);
        painter.fillPath(PlacedSuit(suit, half.At(0.15, 0.13), half.Down(0.17)), colours.ink);
    });
}

void PaintJoker(QPainter& painter, const CardMetrics& m) {
    const CourtColours colours{QColor(kJesterRed), QColor(kRoyalBlue), QColor(kBlackInk)};
    PaintDoubleHeaded(painter, m.courtPanel, colours.ink, [&](const HalfPanel& half) {
        PaintFigure(painter, half, Figure::Jester, colours);
    });
    JokerIndex(painter, m);
    painter.save();
    painter.translate(m.size.width(), m.size.height());
    painter.rotate(180);
    JokerIndex(painter, m);
    painter.restore();
}

}  // namespace card_art
