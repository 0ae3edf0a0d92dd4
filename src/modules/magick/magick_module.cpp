// The GraphicsMagick decoder as a module: the library and everything it links are
// loaded the first time a picture in a format Qt lacks is opened, not at start-up.
#include <Magick++.h>

#include <mutex>

#include "shell/picture_result.h"

namespace {

// GraphicsMagick's own working memory beyond the picture: a few full-size copies.
constexpr std::int64_t kMagickMemoryBytes = 4 * kLargestPicturePixels * 4;
constexpr std::int64_t kNoDiskCache = 0;
constexpr unsigned kFirstFrameOnly = 1;

// Once per run: no signal handlers of the library's own (the program and the
// sanitizers keep theirs), and limits that refuse an oversized picture.
void PrepareMagick() {
    static std::once_flag prepared;
    std::call_once(prepared, [] {
        MagickLib::ExceptionInfo exception;
        MagickLib::GetExceptionInfo(&exception);
        MagickLib::InitializeMagickEx(nullptr, MAGICK_OPT_NO_SIGNAL_HANDER, &exception);
        MagickLib::DestroyExceptionInfo(&exception);
        MagickLib::SetMagickResourceLimit(MagickLib::PixelsResource, kLargestPicturePixels);
        MagickLib::SetMagickResourceLimit(MagickLib::MemoryResource, kMagickMemoryBytes);
        MagickLib::SetMagickResourceLimit(MagickLib::MapResource, kMagickMemoryBytes);
        MagickLib::SetMagickResourceLimit(MagickLib::DiskResource, kNoDiskCache);
        MagickLib::SetMagickResourceLimit(MagickLib::ReadResource, kLargestPictureFileBytes);
    });
}

Magick::Image FirstFrameReader(const char* format) {
    Magick::Image image;
    image.subRange(kFirstFrameOnly);
    image.magick(format);
    return image;
}

}  // namespace

static PictureResult Decode(const QByteArray& bytes, const char* format) {
    PrepareMagick();
    try {
        const Magick::Blob blob(bytes.constData(), static_cast<size_t>(bytes.size()));
        Magick::Image header = FirstFrameReader(format);
        header.ping(blob);
        if (HasTooManyPixels(header.columns(), header.rows()))
            return RefusedPicture(QStringLiteral("the picture is too large"));
        Magick::Image image = FirstFrameReader(format);
        image.read(blob);
        QImage picture(static_cast<int>(image.columns()), static_cast<int>(image.rows()), QImage::Format_RGBA8888);
        if (picture.isNull() || picture.bytesPerLine() != picture.width() * 4)
            return RefusedPicture(QStringLiteral("no memory for the picture"));
        image.write(0, 0, image.columns(), image.rows(), "RGBA", Magick::CharPixel, picture.bits());
        return {picture, {}};
    } catch (const Magick::Warning& warning) {
        // A warning while reading means a damaged file that was patched up.
        return RefusedPicture(QString::fromLocal8Bit(warning.what()));
    } catch (const std::exception& error) {
        return RefusedPicture(QString::fromLocal8Bit(error.what()));
    }
}

// Decodes the first picture of `bytes` in the named format into `result`.
extern "C" Q_DECL_EXPORT void tablewise_decode_picture(const QByteArray* bytes, const char* format,
                                                       PictureResult* result) {
    *result = Decode(*bytes, format);
}
