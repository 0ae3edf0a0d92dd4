#include "shell/game_preview.h"

#include <QFontMetricsF>
#include <QPainter>

#include "games/registry.h"
#include "shell/art/art_lettering.h"
#include "shell/art/art_palette.h"
#include "shell/art/art_table.h"

namespace {

const QSize kPreviewSize(320, 125);
// Room between the miniature and the picture's gold frame.
constexpr int kTableInset = 9;
const QPointF kLightCentre(160.0, 38.0);
constexpr qreal kLightRadius = 210.0;
constexpr qreal kTitlePixels = 34.0;
constexpr qreal kTitleBaseline = 66.0;
constexpr qreal kTitleWidth = 272.0;
constexpr qreal kNoteCentreY = 92.0;
constexpr qreal kNotePixels = 11.5;
const QColor kNoteColour(0xF6, 0xEB, 0xCF);

void PaintFrame(QPainter& p, const QRectF& area) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(shell_art::palette::kMotleyGold, 1.2));
    p.drawRoundedRect(area.adjusted(3.5, 3.5, -3.5, -3.5), 6.0, 6.0);
    p.restore();
}

// The table scaled down smoothly to fit inside the frame, centred, its shape kept.
void PaintMiniature(QPainter& p, const QImage& table, const QRectF& area, qreal ratio) {
    const QRectF room = area.adjusted(kTableInset, kTableInset, -kTableInset, -kTableInset);
    const QSizeF logical = table.deviceIndependentSize();
    const qreal scale = qMin(room.width() / logical.width(), room.height() / logical.height());
    const QSizeF fitted = logical * scale;
    QImage small = table.scaled((fitted * ratio).toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    small.setDevicePixelRatio(ratio);
    const QPointF at(room.center().x() - fitted.width() / 2.0, room.center().y() - fitted.height() / 2.0);
    p.drawImage(at, small);
}

// Long names are lettered smaller, so that they keep clear of the frame.
qreal TitlePixels(const QString& name) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(qRound(kTitlePixels));
    font.setBold(true);
    font.setItalic(true);
    const qreal width = QFontMetricsF(font).horizontalAdvance(name);
    return width > kTitleWidth ? kTitlePixels * kTitleWidth / width : kTitlePixels;
}

void PaintTitle(QPainter& p, const QString& name, const QRectF& area) {
    shell_art::PaintGoldLettering(p, {name, TitlePixels(name), true}, area.center().x(), kTitleBaseline);
    shell_art::PaintCaption(p, QStringLiteral("Coming soon"), kNotePixels, QPointF(area.center().x(), kNoteCentreY),
                            kNoteColour);
}

}  // namespace

QImage RenderGamePreview(const GameEntry& game, qreal devicePixelRatio) {
    const qreal ratio = devicePixelRatio > 0.0 ? devicePixelRatio : 1.0;
    QImage picture(kPreviewSize * ratio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    QPainter p(&picture);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    const QRectF area(QPointF(0.0, 0.0), QSizeF(kPreviewSize));
    shell_art::PaintFelt(p, area, kLightCentre, kLightRadius);
    const QImage table = RenderOpeningTable(game, ratio);
    if (table.isNull()) {
        PaintTitle(p, QString::fromStdString(game.listText), area);
    } else {
        PaintMiniature(p, table, area, ratio);
    }
    PaintFrame(p, area);
    return picture;
}
