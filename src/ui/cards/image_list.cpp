#include "cards/image_list.h"

#include <QPainter>

namespace {

// Every pixel of the key colour becomes fully transparent; alpha is ignored when
// comparing, as the key is an opaque colour.
QImage KeyOut(const QImage& source, const QColor& key) {
    QImage keyed = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRgb keyRgb = key.rgb() & RGB_MASK;
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((line[x] & RGB_MASK) == keyRgb && qAlpha(line[x]) == 255) line[x] = 0;
        }
    }
    return keyed;
}

}  // namespace

ImageList::ImageList(QSize logicalSize) : logicalSize_(logicalSize) {}

QPixmap ImageList::Prepare(QImage image, const std::optional<QColor>& maskColor) const {
    if (maskColor) image = KeyOut(image, *maskColor);
    // A picture of another size is fitted to the list, as pictures in a list all share one size.
    const qreal ratio = image.devicePixelRatio();
    const QSize wanted(qRound(logicalSize_.width() * ratio), qRound(logicalSize_.height() * ratio));
    if (image.size() != wanted && !image.isNull()) {
        image = image.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        image.setDevicePixelRatio(ratio);
    }
    return QPixmap::fromImage(image);
}

int ImageList::Add(const QImage& image) {
    images_.push_back({Prepare(image, std::nullopt), {}, std::nullopt});
    return Count() - 1;
}

int ImageList::AddMasked(const QImage& image, const QColor& maskColor) {
    images_.push_back({Prepare(image, maskColor), {}, std::nullopt});
    return Count() - 1;
}

int ImageList::AddDeferred(std::function<QImage()> render, std::optional<QColor> maskColor) {
    images_.push_back({QPixmap(), std::move(render), maskColor});
    return Count() - 1;
}

void ImageList::ReplaceMasked(int index, const QImage& image, const QColor& maskColor) {
    if (index < 0 || index >= Count()) return;
    images_[static_cast<std::size_t>(index)] = {Prepare(image, maskColor), {}, std::nullopt};
}

const QPixmap& ImageList::PictureAt(int index) const {
    Entry& entry = images_[static_cast<std::size_t>(index)];
    if (entry.render) {
        entry.picture = Prepare(entry.render(), entry.mask);
        entry.render = nullptr;
    }
    return entry.picture;
}

QPixmap ImageList::Pixmap(int index) const {
    if (index < 0 || index >= Count()) return {};
    return PictureAt(index);
}

void ImageList::Draw(QPainter& painter, QPoint at, int index) const {
    if (index < 0 || index >= Count()) return;
    painter.drawPixmap(at, PictureAt(index));
}
