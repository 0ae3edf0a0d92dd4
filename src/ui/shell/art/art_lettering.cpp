#include "shell/art/art_lettering.h"

#include "shell/art/art_palette.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace shell_art {
namespace {

QFont SerifFont(qreal pixelSize, bool bold, bool italic) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setStyleHint(QFont::Serif, QFont::PreferAntialias);
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

}  // namespace

void PaintGoldLettering(QPainter& p, const Lettering& lettering, qreal centreX, qreal baselineY) {
    const QFont font = SerifFont(lettering.pixelSize, true, lettering.italic);
    QPainterPath glyphs;
    glyphs.addText(0.0, 0.0, font, lettering.text);
    const QRectF bounds = glyphs.boundingRect();
    glyphs.translate(centreX - bounds.center().x(), baselineY);
    const QRectF placed = glyphs.boundingRect();

    p.save();
    // Shadow: a few offset copies, darker towards the letters.
    for (int layer = 3; layer >= 1; --layer) {
        p.fillPath(glyphs.translated(0.8 * layer, 1.1 * layer), QColor(0, 0, 0, 38 + 10 * (3 - layer)));
    }
    QLinearGradient gold(placed.topLeft(), placed.bottomLeft());
    gold.setColorAt(0.0, palette::kMotleyGoldLight.lighter(108));
    gold.setColorAt(0.45, palette::kMotleyGold);
    gold.setColorAt(0.55, palette::kMotleyGold.darker(112));
    gold.setColorAt(1.0, palette::kMotleyGoldDark);
    p.setPen(QPen(palette::kInk, lettering.pixelSize / 28.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(gold);
    p.drawPath(glyphs);
    p.restore();
}

qreal PaintCaption(QPainter& p, const QString& text, qreal pixelSize, QPointF centre, const QColor& colour) {
    p.save();
    const QFont font = SerifFont(pixelSize, false, true);
    p.setFont(font);
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(text);
    const QPointF baseline(centre.x() - width / 2.0, centre.y() + (metrics.ascent() - metrics.descent()) / 2.0);
    p.setPen(QColor(0, 0, 0, 110));
    p.drawText(baseline + QPointF(0.6, 0.8), text);
    p.setPen(colour);
    p.drawText(baseline, text);
    p.restore();
    return width;
}

}  // namespace shell_art
