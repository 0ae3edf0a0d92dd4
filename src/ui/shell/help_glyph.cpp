#include "shell/help_glyph.h"

#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>

#include "cards/card_imagery.h"

namespace {

constexpr int kGlyphSize = 19;
const QColor kDiscLight(0x6F, 0x9C, 0xE8);
const QColor kDisc(0x2A, 0x4F, 0x9A);
const QColor kDiscEdge(0x1A, 0x2F, 0x66);

}  // namespace

QIcon HelpGlyph() {
    const qreal ratio = CardImagery::DevicePixelRatio();
    QPixmap glyph(QSize(kGlyphSize, kGlyphSize) * ratio);
    glyph.setDevicePixelRatio(ratio);
    glyph.fill(Qt::transparent);
    QPainter p(&glyph);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const QRectF disc(0.5, 0.5, kGlyphSize - 1.0, kGlyphSize - 1.0);
    QRadialGradient shade(disc.center() - QPointF(3.0, 3.0), kGlyphSize * 0.75);
    shade.setColorAt(0.0, kDiscLight);
    shade.setColorAt(1.0, kDisc);
    p.setBrush(shade);
    p.setPen(QPen(kDiscEdge, 1.0));
    p.drawEllipse(disc);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(14);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(disc.translated(0.0, 0.5), Qt::AlignCenter, QStringLiteral("?"));
    return QIcon(glyph);
}
