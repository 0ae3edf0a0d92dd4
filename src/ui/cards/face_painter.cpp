#include "cards/face_painter.h"

#include <QTransform>
#include <array>
#include <vector>

#include "cards/court_painter.h"
#include "cards/rank_glyphs.h"
#include "cards/suit_paths.h"

namespace card_art {

namespace {

constexpr int kAce = 0;
constexpr int kTen = 9;

// One pip: column -1, 0 or 1 (left, centre, right) and its height from 0 (top row)
// to 1 (bottom row). Pips below the middle stand upside down, as on printed cards.
struct Pip {
    qreal column;
    qreal row;
};

const std::vector<Pip>& PipLayout(int rank) {
    constexpr qreal third = 1.0 / 3.0;
    static const std::array<std::vector<Pip>, 10> layouts{{
        {{0, 0.5}},
        {{0, 0}, {0, 1}},
        {{0, 0}, {0, 0.5}, {0, 1}},
        {{-1, 0}, {1, 0}, {-1, 1}, {1, 1}},
        {{-1, 0}, {1, 0}, {0, 0.5}, {-1, 1}, {1, 1}},
        {{-1, 0}, {1, 0}, {-1, 0.5}, {1, 0.5}, {-1, 1}, {1, 1}},
        {{-1, 0}, {1, 0}, {0, 0.25}, {-1, 0.5}, {1, 0.5}, {-1, 1}, {1, 1}},
        {{-1, 0}, {1, 0}, {0, 0.25}, {-1, 0.5}, {1, 0.5}, {0, 0.75}, {-1, 1}, {1, 1}},
        {{-1, 0}, {1, 0}, {-1, third}, {1, third}, {0, 0.5}, {-1, 2 * third}, {1, 2 * third}, {-1, 1}, {1, 1}},
        {{-1, 0}, {1, 0}, {0, third / 2}, {-1, third}, {1, third}, {-1, 2 * third}, {1, 2 * third},
         {0, 1 - third / 2}, {-1, 1}, {1, 1}},
    }};
    return layouts[static_cast<std::size_t>(rank)];
}

void PaintIndex(QPainter& painter, const CardMetrics& m, int suit, int rank) {
    const QPainterPath text = IndexText(RankText(rank));
    const qreal unitWidth = text.boundingRect().width();
    const qreal xScale = std::min(m.rankCapHeight, m.rankMaxWidth / unitWidth);
    QTransform place;
    place.translate(m.indexCentreX, m.rankTop);
    place.scale(xScale, m.rankCapHeight);
    const QColor ink(SuitInk(suit));
    painter.fillPath(place.map(text), ink);
    const QPointF suitCentre(m.indexCentreX, m.indexSuitTop + m.indexSuitHeight / 2);
    painter.fillPath(PlacedSuit(suit, suitCentre, m.indexSuitHeight), ink);
}

void PaintAce(QPainter& painter, const CardMetrics& m, int suit) {
    const QPointF centre(m.size.width() / 2, m.size.height() / 2);
    const QColor ink(SuitInk(suit));
    if (suit != 1) {
        painter.fillPath(PlacedSuit(suit, centre, m.acePipHeight), ink);
        return;
    }
    // The Ace of Spades carries the deck's flourish: a large spade in a fine ring.
    const qreal ring = m.spadeAcePipHeight * 0.66;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(kDarkGold), m.spadeAcePipHeight / 40));
    painter.drawEllipse(centre, ring, ring);
    painter.setPen(QPen(ink, m.spadeAcePipHeight / 80));
    painter.drawEllipse(centre, ring * 0.92, ring * 0.92);
    painter.setPen(Qt::NoPen);
    painter.fillPath(PlacedSuit(suit, centre, m.spadeAcePipHeight), ink);
}

void PaintPips(QPainter& painter, const CardMetrics& m, int suit, int rank) {
    const QRectF& field = m.pipCentres;
    const QColor ink(SuitInk(suit));
    for (const Pip& pip : PipLayout(rank)) {
        const QPointF centre(field.center().x() + pip.column * field.width() / 2,
                             field.top() + pip.row * field.height());
        painter.fillPath(PlacedSuit(suit, centre, m.pipHeight, pip.row > 0.5), ink);
    }
}

}  // namespace

void PaintCornerIndices(QPainter& painter, const CardMetrics& m, int suit, int rank) {
    PaintIndex(painter, m, suit, rank);
    painter.save();
    painter.translate(m.size.width(), m.size.height());
    painter.rotate(180);
    PaintIndex(painter, m, suit, rank);
    painter.restore();
}

void PaintFace(QPainter& painter, const CardMetrics& m, int suit, int rank) {
    PaintCornerIndices(painter, m, suit, rank);
    if (rank == kAce) {
        PaintAce(painter, m, suit);
    } else if (rank <= kTen) {
        PaintPips(painter, m, suit, rank);
    } else {
        PaintCourt(painter, m, suit, rank);
    }
}

}  // namespace card_art
