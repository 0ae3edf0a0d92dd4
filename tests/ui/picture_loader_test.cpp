#include <QBuffer>
#include <QImageWriter>
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "shell/picture_loader.h"
#include "support/scratch_folder.h"
#include "support/test_pictures.h"

namespace {

const QImage& Reference() {
    static const QImage picture = PatternPicture(37, 23);  // odd width: padded bitmap rows
    return picture;
}

QByteArray Encoded(const QImage& picture, const char* format, bool progressive = false) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(95);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(picture)) << format;
    return bytes;
}

QByteArray FirstHalf(const QByteArray& bytes) { return bytes.left(bytes.size() / 2); }

QByteArray Noise(int length) {
    std::mt19937 generator(20261211);
    QByteArray bytes(length, '\0');
    for (char& byte : bytes) byte = static_cast<char>(generator() & 0xFF);
    return bytes;
}

// A PNG whose picture data is scrambled: its checksums no longer match.
QByteArray Scrambled(QByteArray bytes) {
    for (qsizetype at = bytes.size() / 2; at < bytes.size() / 2 + 16; ++at) bytes[at] = static_cast<char>(~bytes[at]);
    return bytes;
}

int LargestChannelDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

class PictureLoader : public ::testing::Test {
protected:
    QString Write(const std::string& name, const QByteArray& bytes) {
        const std::filesystem::path file = folder_.Path() / name;
        WriteBytes(file, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
        return PathOf(name);
    }
    QString PathOf(const std::string& name) const { return QString::fromStdString((folder_.Path() / name).string()); }

    ScratchFolder folder_;
};

}  // namespace

TEST_F(PictureLoader, ReadsEveryKindOfPictureAPlayerMayPick) {
    const QImage indexed = Reference().convertToFormat(QImage::Format_Indexed8);
    struct Good {
        std::string name;
        QByteArray bytes;
        QImage expected;
        int tolerance;  // JPEG is lossy
    };
    const Good goods[] = {
        {"picture.bmp", Encoded(Reference(), "bmp"), Reference(), 0},
        {"indexed.BMP", Encoded(indexed, "bmp"), indexed, 0},
        {"picture.Bmp", Encoded(Reference(), "bmp"), Reference(), 0},
        {"picture.png", Encoded(Reference(), "png"), Reference(), 0},
        {"picture.jpg", Encoded(Reference(), "jpeg"), Reference(), 24},
        {"progressive.jpeg", Encoded(Reference(), "jpeg", true), Reference(), 24},
        {"picture.pcx", PcxOf(Reference()), Reference(), 0},
        {"PICTURE.PCX", PcxOf(Reference()), Reference(), 0},
        {"really-a-png.jpg", Encoded(Reference(), "png"), Reference(), 0},
    };
    for (const Good& good : goods) {
        const PictureResult result = LoadPicture(Write(good.name, good.bytes));
        ASSERT_TRUE(result) << good.name << ": " << result.refusal.toStdString();
        ASSERT_EQ(result.picture.size(), good.expected.size()) << good.name;
        EXPECT_LE(LargestChannelDifference(result.picture, good.expected), good.tolerance) << good.name;
        EXPECT_TRUE(result.refusal.isEmpty());
    }
}

TEST_F(PictureLoader, RefusesBadFilesWithAReason) {
    const QByteArray bmp = Encoded(Reference(), "bmp");
    const QByteArray png = Encoded(Reference(), "png");
    QByteArray badPcx = PcxOf(Reference());
    badPcx[3] = 3;   // three bits per pixel
    badPcx[65] = 7;  // in seven planes
    // Large enough that the cut falls inside the picture data, past the tables.
    const QImage photo = PatternPicture(300, 200);
    QByteArray hugePcx = PcxHeader(65000, 65000);
    hugePcx.append(Noise(512));
    const struct Bad {
        std::string name;
        QByteArray bytes;
    } bads[] = {
        {"cut.bmp", FirstHalf(bmp)},
        {"cut.Bmp", FirstHalf(bmp)},
        {"cut.png", FirstHalf(png)},
        {"cut.jpg", FirstHalf(Encoded(photo, "jpeg"))},
        {"cut-progressive.jpg", FirstHalf(Encoded(photo, "jpeg", true))},
        {"cut.pcx", FirstHalf(PcxOf(Reference()))},
        {"scrambled.png", Scrambled(png)},
        {"nonsense-header.pcx", badPcx},
        {"noise.jpg", Noise(4096)},
        {"words.png", "These are words, not a picture.\n"},
        {"empty.png", ""},
        {"png-inside.bmp", png},
        {"huge.bmp", HugeBmpHeader(10000, 6000)},  // 60 megapixels
        {"huge.Bmp", HugeBmpHeader(10000, 6000)},
        {"absurd.bmp", HugeBmpHeader(100000, 100000)},
        {"huge.pcx", hugePcx},
    };
    for (const Bad& bad : bads) {
        const PictureResult result = LoadPicture(Write(bad.name, bad.bytes));
        EXPECT_FALSE(result) << bad.name;
        EXPECT_TRUE(result.picture.isNull()) << bad.name;
        EXPECT_FALSE(result.refusal.isEmpty()) << bad.name;
    }
    std::filesystem::create_directory(folder_.Path() / "folder.bmp");
    std::filesystem::create_directory(folder_.Path() / "folder.jpg");
    for (const char* name : {"folder.bmp", "folder.jpg", "missing.png"})
        EXPECT_FALSE(LoadPicture(PathOf(name))) << name;
}

TEST_F(PictureLoader, OnlyTheExactBmpExtensionsGoThroughTheBitmapReader) {
    // The bitmap reader reads bitmaps alone; the decoder reads by content.
    const QByteArray png = Encoded(Reference(), "png");
    for (const char* name : {"a.bmp", "b.BMP"}) EXPECT_FALSE(LoadPicture(Write(name, png))) << name;
    for (const char* name : {"c.Bmp", "d.bMP", "e.bmp.png", "f"})
        EXPECT_TRUE(LoadPicture(Write(name, png))) << name;

    const struct {
        const char* path;
        bool bitmap;
        bool gif;
    } names[] = {
        {"/home/p/Table.bmp", true, false},  {"/home/p/TABLE.BMP", true, false},  {"/home/p/t.Bmp", false, false},
        {"/home/p/t.bmp.jpg", false, false}, {"/home/p/t.gif", false, true},      {"/home/p/T.GIF", false, true},
        {"/home/p/t.Gif", false, false},     {"/home/p.gif/t", false, false},     {"/home/p/bmp", false, false},
        {"/home/p/t.gifs", false, false},    {"relative.bmp", true, false},
    };
    for (const auto& name : names) {
        EXPECT_EQ(IsBitmapPath(name.path), name.bitmap) << name.path;
        EXPECT_EQ(IsGifPath(name.path), name.gif) << name.path;
    }
}
