#include "shell/picture_integrity.h"

#include <cstdint>
#include <cstdlib>

namespace {

unsigned Byte(QByteArrayView bytes, qsizetype at) { return static_cast<unsigned char>(bytes[at]); }

std::uint32_t Little16(QByteArrayView bytes, qsizetype at) { return Byte(bytes, at) | Byte(bytes, at + 1) << 8; }

std::uint32_t Little32(QByteArrayView bytes, qsizetype at) {
    return Little16(bytes, at) | Little16(bytes, at + 2) << 16;
}

// --- BMP ---

constexpr qsizetype kBitmapFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;  // the old OS/2 header, 16-bit sizes
constexpr qsizetype kInfoHeaderEnd = kBitmapFileHeaderSize + 24;
constexpr std::int64_t kLargestBitsPerPixel = 64;
enum BitmapCompression : std::uint32_t { kUncompressed = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6 };

struct BitmapHeader {
    std::int64_t pixelsAt = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::int64_t bitsPerPixel = 0;
    std::uint32_t compression = kUncompressed;
    std::int64_t compressedSize = 0;
};

// --- JPEG ---

constexpr unsigned kMarkerPrefix = 0xFF;
constexpr unsigned kStartOfImage = 0xD8;
constexpr unsigned kEndOfImage = 0xD9;
constexpr unsigned kStuffedZero = 0x00;
constexpr unsigned kTemporary = 0x01;
constexpr unsigned kFirstRestart = 0xD0;
constexpr unsigned kLastRestart = 0xD7;

// Markers without a length field; a stuffed zero only ever follows 0xFF in scan data.
bool StandsAlone(unsigned marker) {
    return marker == kStuffedZero || marker == kTemporary || marker == kStartOfImage ||
           (marker >= kFirstRestart && marker <= kLastRestart);
}

}  // namespace

bool BitmapDataComplete(QByteArrayView bytes) {
    if (bytes.size() < kBitmapFileHeaderSize + 4 || bytes[0] != 'B' || bytes[1] != 'M') return true;
    BitmapHeader header;
    header.pixelsAt = Little32(bytes, 10);
    if (Little32(bytes, kBitmapFileHeaderSize) == kCoreHeaderSize) {
        if (bytes.size() < kBitmapFileHeaderSize + kCoreHeaderSize) return false;
        header.width = Little16(bytes, 18);
        header.height = Little16(bytes, 20);
        header.bitsPerPixel = Little16(bytes, 24);
    } else {
        if (bytes.size() < kInfoHeaderEnd) return false;
        header.width = static_cast<std::int32_t>(Little32(bytes, 18));
        header.height = std::llabs(static_cast<std::int32_t>(Little32(bytes, 22)));
        header.bitsPerPixel = Little16(bytes, 28);
        header.compression = Little32(bytes, 30);
        header.compressedSize = Little32(bytes, 34);
    }
    // Nonsense sizes are the reader's to refuse.
    if (header.width <= 0 || header.height <= 0 || header.bitsPerPixel <= 0 ||
        header.bitsPerPixel > kLargestBitsPerPixel)
        return true;
    const std::int64_t available = bytes.size() - header.pixelsAt;
    switch (header.compression) {
    case kUncompressed:
    case kBitFields:
    case kAlphaBitFields: {
        // Rows are padded to four bytes; some writers leave the last row's padding out.
        const std::int64_t rowBits = header.width * header.bitsPerPixel;
        const std::int64_t stride = (rowBits + 31) / 32 * 4;
        const std::int64_t lastRow = (rowBits + 7) / 8;
        return available >= lastRow && (available - lastRow) / stride >= header.height - 1;
    }
    case kRle8:
    case kRle4:
        return available >= header.compressedSize;
    default:
        return true;
    }
}

bool JpegReachesItsEnd(QByteArrayView bytes) {
    if (bytes.size() < 2 || Byte(bytes, 0) != kMarkerPrefix || Byte(bytes, 1) != kStartOfImage) return true;
    qsizetype at = 2;
    // Segments carry their length; scan data is skipped byte by byte up to the next
    // real marker, since inside it 0xFF is always followed by a zero or a restart.
    for (;;) {
        while (at < bytes.size() && Byte(bytes, at) != kMarkerPrefix) ++at;
        while (at < bytes.size() && Byte(bytes, at) == kMarkerPrefix) ++at;
        if (at >= bytes.size()) return false;
        const unsigned marker = Byte(bytes, at++);
        if (marker == kEndOfImage) return true;
        if (StandsAlone(marker)) continue;
        if (at + 2 > bytes.size()) return false;
        const qsizetype length = Byte(bytes, at) << 8 | Byte(bytes, at + 1);
        if (length < 2) return false;
        at += length;
    }
}
