#include "shell/picture_loader.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "shell/magick_decoder.h"
#include "shell/picture_integrity.h"

namespace {

constexpr int kBytesPerPixel = 4;
constexpr std::int64_t kMegabyte = 1024 * 1024;
// Qt's own guard against decoding into an enormous image, for formats whose header
// does not tell the size.
constexpr int kAllocationLimitMegabytes =
    static_cast<int>((kLargestPicturePixels * kBytesPerPixel + kMegabyte - 1) / kMegabyte);

QString ExtensionOf(const QString& path) {
    const QString name = path.section(QLatin1Char('/'), -1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot);
}

// Judged by the bytes, not by the reader's idea of the format: each check passes
// anything that is not its own format.
bool CutShort(const QByteArray& bytes) { return !BitmapDataComplete(bytes) || !JpegReachesItsEnd(bytes); }

// The size is checked from the header before anything is decoded.
PictureResult ReadWithQt(QImageReader& reader, const QByteArray& bytes) {
    reader.setAllocationLimit(kAllocationLimitMegabytes);
    if (!reader.canRead()) return RefusedPicture(QStringLiteral("not a picture"));
    const QSize size = reader.size();
    if (size.isValid() && HasTooManyPixels(size.width(), size.height()))
        return RefusedPicture(QStringLiteral("the picture is too large"));
    if (CutShort(bytes)) return RefusedPicture(QStringLiteral("the file is cut short"));
    const QImage picture = reader.read();
    if (picture.isNull()) return RefusedPicture(reader.errorString());
    return {picture, {}};
}

PictureResult ReadBitmap(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setAutoDetectImageFormat(false);
    return ReadWithQt(reader, bytes);
}

PictureResult Decode(const QByteArray& bytes) {
    if (const char* format = MagickFormatOf(bytes)) return DecodeWithMagick(bytes, format);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return ReadWithQt(reader, bytes);
}

}  // namespace

PictureResult LoadPicture(const QString& path) {
    const QFileInfo info(path);
    // Only regular files: a folder, a pipe or a device would fail or never end.
    if (!info.exists()) return RefusedPicture(QStringLiteral("the file does not exist"));
    if (!info.isFile()) return RefusedPicture(QStringLiteral("not a file"));
    if (info.size() == 0) return RefusedPicture(QStringLiteral("the file is empty"));
    if (info.size() > kLargestPictureFileBytes) return RefusedPicture(QStringLiteral("the file is too large"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return RefusedPicture(file.errorString());
    // Read no more than the size checked above: the reader reserves what it is asked for.
    const QByteArray bytes = file.read(info.size());
    if (bytes.isEmpty()) return RefusedPicture(QStringLiteral("the file is empty"));
    return IsBitmapPath(path) ? ReadBitmap(bytes) : Decode(bytes);
}

bool IsGifPath(const QString& path) {
    const QString extension = ExtensionOf(path);
    return extension == QLatin1String(".GIF") || extension == QLatin1String(".gif");
}

bool IsBitmapPath(const QString& path) {
    const QString extension = ExtensionOf(path);
    return extension == QLatin1String(".BMP") || extension == QLatin1String(".bmp");
}
