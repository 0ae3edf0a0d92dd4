#include "cards/rank_glyphs.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QTransform>
#include <array>

namespace card_art {

namespace {

// Outlines are taken from a big rendering and scaled down, so hinting never skews them.
constexpr int kSourcePixelSize = 200;
// Share of a glyph's advance the two digits of "10" give up, so the ten is as narrow
// as the other ranks in the index column.
constexpr qreal kTenTightening = 0.16;

QFont IndexFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kSourcePixelSize);
    font.setWeight(QFont::Bold);
    return font;
}

QPainterPath BuildText(const QString& text) {
    const QFont font = IndexFont();
    const QFontMetricsF metrics(font);
    QPainterPath path;
    qreal x = 0;
    for (const QChar ch : text) {
        path.addText(QPointF(x, 0), font, QString(ch));
        x += metrics.horizontalAdvance(ch) * (1.0 - (text.size() > 1 ? kTenTightening : 0.0));
    }
    const qreal capHeight = metrics.capHeight();
    const QRectF ink = path.boundingRect();
    QTransform norm;
    norm.scale(1.0 / capHeight, 1.0 / capHeight);
    norm.translate(-ink.center().x(), capHeight);
    return norm.map(path);
}

}  // namespace

QPainterPath IndexText(const QString& text) {
    static QHash<QString, QPainterPath> cache;
    auto found = cache.find(text);
    if (found == cache.end()) found = cache.insert(text, BuildText(text));
    return found.value();
}

QString RankText(int rank) {
    static const std::array<const char*, 13> names{"A", "2", "3", "4", "5", "6", "7",
                                                   "8", "9", "10", "J", "Q", "K"};
    return QString::fromLatin1(names[static_cast<std::size_t>(rank % 13)]);
}

}  // namespace card_art
