#pragma once

#include <QImage>
#include <QString>
#include <cstdint>

// Bounds on the pictures a player may pick. Fifty megapixels is far more than any
// table or card back needs, and small enough to decode without exhausting memory.
constexpr std::int64_t kLargestPicturePixels = 50'000'000;
constexpr std::int64_t kLargestPictureFileBytes = 256LL * 1024 * 1024;

inline bool HasTooManyPixels(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width > kLargestPicturePixels / height;
}

// A picture read from a file, or the reason it was refused.
struct PictureResult {
    QImage picture;   // null when refused
    QString refusal;  // empty when read

    explicit operator bool() const { return !picture.isNull(); }
};

inline PictureResult RefusedPicture(QString why) { return {QImage(), std::move(why)}; }
