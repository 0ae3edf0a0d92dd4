#include "shell/custom_back.h"

#include <QPainter>

#include "cards/card_imagery.h"
#include "cards/card_metrics.h"

namespace {

// Where the picture goes on the blank card, as left, top, right and bottom edges.
const QRect kLargePictureArea(QPoint(5, 5), QPoint(75, 120));
const QRect kSmallPictureArea(QPoint(4, 4), QPoint(57, 91));

QRect Spanning(const QRect& edges) {
    return {edges.topLeft(), QSize(edges.right() - edges.left(), edges.bottom() - edges.top())};
}

QString BlankCardName(_CardSize size) {
    return size == CZ_SMALL ? QStringLiteral("sBORDER") : QStringLiteral("BORDER");
}
QString OutlineMaskName(_CardSize size) {
    return size == CZ_SMALL ? QStringLiteral("sBORDERMASK") : QStringLiteral("BORDERMASK");
}

// Pixels outside the card are white in the outline mask.
bool OutsideTheCard(QRgb maskPixel) {
    return qGray(maskPixel) >= 128;
}

}  // namespace

QImage BackOnBlankCard(const QImage& picture, _CardSize size) {
    QImage back = CardImagery::ResourceImage(BlankCardName(size));
    if (back.isNull() || picture.isNull()) return {};
    back = back.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRect area = Spanning(size == CZ_SMALL ? kSmallPictureArea : kLargePictureArea);
    // Scaled once to the device pixels it will cover: drawing a large photograph
    // straight into a small rectangle would sample it coarsely.
    const QSize devicePixels = area.size() * back.devicePixelRatio();
    const QImage fitted =
        picture.scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (fitted.isNull()) return {};
    QPainter painter(&back);
    painter.drawImage(QRectF(area), fitted);
    painter.end();
    return back;
}

QImage MaskedCardBack(const QImage& back, _CardSize size) {
    const QImage mask =
        CardImagery::ResourceImage(OutlineMaskName(size)).convertToFormat(QImage::Format_RGB32);
    if (back.isNull() || mask.isNull() || mask.size() != back.size()) return {};
    QImage masked = back.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        const auto* outline = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < masked.width(); ++x) {
            if (OutsideTheCard(outline[x])) {
                line[x] = card_art::kMaskKey;
            } else if ((line[x] & RGB_MASK) == (card_art::kMaskKey & RGB_MASK)) {
                line[x] = card_art::kNearMaskKey;
            }
        }
    }
    return masked;
}

QImage OnDialogFace(const QImage& card, const QColor& face) {
    QImage shown = card.convertToFormat(QImage::Format_RGB32);
    const QRgb key = card_art::kMaskKey & RGB_MASK;
    const QRgb ground = face.rgb();
    for (int y = 0; y < shown.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(shown.scanLine(y));
        for (int x = 0; x < shown.width(); ++x)
            if ((line[x] & RGB_MASK) == key) line[x] = ground;
    }
    return shown;
}

void RoundCorners(QImage& picture, const QColor& face) {
    if (picture.isNull()) return;
    const qreal ratio = picture.devicePixelRatio();
    const int right = qRound(picture.width() / ratio) - 1;
    const int bottom = qRound(picture.height() / ratio) - 1;
    const QPoint corners[] = {
        {0, 0},
        {1, 0},
        {0, 1},  // top left
        {right, 0},
        {right - 1, 0},
        {right, 1},  // top right
        {right, bottom},
        {right - 1, bottom},
        {right, bottom - 1},  // bottom right
        {0, bottom},
        {1, bottom},
        {0, bottom - 1},  // bottom left
    };
    QPainter painter(&picture);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QPoint& corner : corners) painter.fillRect(QRect(corner, QSize(1, 1)), face);
}
