#include "shell/magick_decoder.h"

#include <array>

#include "platform/module_loader.h"

namespace {

struct Signature {
    QByteArrayView leading;
    const char* format;
};

// PCX opens with its manufacturer byte 10, a version and the run-length flag.
bool LooksLikePcx(QByteArrayView bytes) {
    constexpr char kManufacturer = 0x0A;
    constexpr std::array<char, 5> kVersions{0, 2, 3, 4, 5};
    if (bytes.size() < 3 || bytes[0] != kManufacturer || (bytes[2] != 0 && bytes[2] != 1)) return false;
    for (char version : kVersions)
        if (bytes[1] == version) return true;
    return false;
}

const std::array<Signature, 7> kSignatures{{
    {QByteArrayView("\xB1\x68\xDE\x3A", 4), "DCX"},
    {QByteArrayView("8BPS"), "PSD"},
    {QByteArrayView("\x01\xDA", 2), "SGI"},
    {QByteArrayView("\x59\xA6\x6A\x95", 4), "SUN"},
    {QByteArrayView("gimp xcf"), "XCF"},
    {QByteArrayView("\x00\x00\x00\x0C\x6A\x50\x20\x20\x0D\x0A\x87\x0A", 12), "JP2"},
    {QByteArrayView("\xFF\x4F\xFF\x51", 4), "J2K"},
}};

using DecodeEntry = void (*)(const QByteArray* bytes, const char* format, PictureResult* result);

}  // namespace

const char* MagickFormatOf(QByteArrayView bytes) {
    if (LooksLikePcx(bytes)) return "PCX";
    for (const Signature& signature : kSignatures)
        if (bytes.startsWith(signature.leading)) return signature.format;
    return nullptr;
}

PictureResult DecodeWithMagick(const QByteArray& bytes, const char* format) {
    static const auto decode =
        reinterpret_cast<DecodeEntry>(ResolveModuleSymbol("tablewise_magick", "tablewise_decode_picture"));
    if (decode == nullptr) return RefusedPicture(QStringLiteral("the picture decoder is not available"));
    PictureResult result;
    decode(&bytes, format, &result);
    return result;
}
