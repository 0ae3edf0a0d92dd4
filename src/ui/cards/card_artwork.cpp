#include "cards/card_artwork.h"

#include <QPainter>
#include <optional>

#include "cards/back_painter.h"
#include "cards/card_outline.h"
#include "cards/court_painter.h"
#include "cards/face_painter.h"
#include "cards/mark_painter.h"

namespace {

using namespace card_art;

constexpr int kFirstFace = 100;
constexpr int kJoker = 152;
constexpr int kFirstBack = 153;
constexpr int kRecycleMark = 156;
constexpr int kCrossMark = 157;
constexpr int kLastNumber = kCrossMark;
constexpr int kRanksPerSuit = 13;

enum class Kind { Numbered, Border, BorderMask };

struct ResourceId {
    _CardSize size;
    Kind kind;
    int number;
};

std::optional<ResourceId> ParseName(const QString& name) {
    QString rest = name.toUpper();
    _CardSize size = CZ_LARGE;
    // Small-card names carry a leading "s"; "SBORDER" and "SFSCARD" cannot be read
    // any other way, since no large-card name begins with an S.
    if (rest.startsWith(QLatin1Char('S'))) {
        size = CZ_SMALL;
        rest.remove(0, 1);
    }
    if (rest == QLatin1String("BORDER")) return ResourceId{size, Kind::Border, 0};
    if (rest == QLatin1String("BORDERMASK")) return ResourceId{size, Kind::BorderMask, 0};
    const QLatin1String prefix("FSCARD");
    if (!rest.startsWith(prefix)) return std::nullopt;
    const QString digits = rest.mid(prefix.size());
    bool ok = false;
    const int number = digits.toInt(&ok);
    // Only the spelling "%d" produces: no sign, no leading zeros, no spaces.
    if (!ok || QString::number(number) != digits || number < kFirstFace || number > kLastNumber) {
        return std::nullopt;
    }
    return ResourceId{size, Kind::Numbered, number};
}

// Draws on a blank face, then keys everything outside the outline.
template <typename Draw>
QImage RenderKeyedCard(const CardMetrics& m, qreal ratio, Draw draw) {
    QImage canvas = NewCardCanvas(m, ratio, kCardEdge);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        PaintBlankFace(painter, m);
        draw(painter);
    }
    KeyOutsideOutline(m, canvas);
    return canvas;
}

QImage RenderNumberedCard(const CardMetrics& m, qreal ratio, int number) {
    return RenderKeyedCard(m, ratio, [&](QPainter& painter) {
        if (number < kJoker) {
            const int index = number - kFirstFace;
            PaintFace(painter, m, index / kRanksPerSuit, index % kRanksPerSuit);
        } else if (number == kJoker) {
            PaintJoker(painter, m);
        } else {
            PaintBack(painter, m, number - kFirstBack);
        }
    });
}

QImage RenderMark(const CardMetrics& m, qreal ratio, int number) {
    QImage canvas = NewCardCanvas(m, ratio, kCardFace);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        if (number == kRecycleMark) PaintRecycleMark(painter, m); else PaintCrossMark(painter, m);
    }
    return canvas;
}

}  // namespace

QImage RenderCardResource(const QString& name, qreal devicePixelRatio) {
    const std::optional<ResourceId> id = ParseName(name);
    if (!id) return {};
    const qreal ratio = devicePixelRatio >= 1.0 ? devicePixelRatio : 1.0;
    const CardMetrics m = MetricsFor(id->size);
    switch (id->kind) {
    case Kind::Border: return RenderKeyedCard(m, ratio, [](QPainter&) {});
    case Kind::BorderMask: return OutlineMask(m, ratio);
    case Kind::Numbered: break;
    }
    if (id->number >= kRecycleMark) return RenderMark(m, ratio, id->number);
    return RenderNumberedCard(m, ratio, id->number);
}
