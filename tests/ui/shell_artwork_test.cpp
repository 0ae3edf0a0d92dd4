#include "shell/shell_artwork.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QSize>

#include <vector>

namespace {

struct PictureCase {
    const char* name;
    QSize logicalSize;
    bool opaque;  // false for the icon, which is clear round its tile
};

const std::vector<PictureCase> kPictures{
    {"JESTER1", {68, 97}, true},   {"JESTER2", {68, 97}, true}, {"JESTER3", {68, 97}, true},
    {"STARTUP", {320, 125}, true}, {"ABOUT", {306, 279}, true}, {"APPICON", {64, 64}, false},
    {"WIN_AVI", {376, 154}, true},
};

const QSize kWinFrameSize(376, 154);
constexpr int kWinFrames = 10;

std::vector<QPoint> Corners(const QImage& image) {
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    return {{0, 0}, {right, 0}, {0, bottom}, {right, bottom}};
}

TEST(ShellArtwork, EveryPictureHasItsLogicalSizeAtEachPixelRatio) {
    for (const PictureCase& picture : kPictures) {
        for (const qreal ratio : {1.0, 2.0}) {
            SCOPED_TRACE(testing::Message() << picture.name << " at ratio " << ratio);
            const QImage image = RenderShellPicture(picture.name, ratio);
            ASSERT_FALSE(image.isNull());
            EXPECT_EQ(image.size(), picture.logicalSize * ratio);
            EXPECT_EQ(image.deviceIndependentSize().toSize(), picture.logicalSize);
            EXPECT_DOUBLE_EQ(image.devicePixelRatio(), ratio);
        }
    }
}

TEST(ShellArtwork, NamesMatchInAnyLetterCase) {
    const QImage upper = RenderShellPicture("JESTER2");
    for (const char* spelling : {"jester2", "Jester2", "jEsTeR2"}) {
        SCOPED_TRACE(spelling);
        EXPECT_EQ(RenderShellPicture(spelling), upper);
    }
    EXPECT_EQ(RenderShellPicture("win_avi").size(), kWinFrameSize);
}

TEST(ShellArtwork, UnknownNamesGiveANullImage) {
    for (const char* name : {"", "JESTER", "JESTER0", "JESTER4", " STARTUP", "STARTUP ", "KLONDIKE", "WIN AVI"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(RenderShellPicture(name).isNull());
        EXPECT_TRUE(RenderShellPicture(name, 2.0).isNull());
    }
}

TEST(ShellArtwork, BackgroundedPicturesAreOpaqueAndTheIconIsClearAroundItsTile) {
    for (const PictureCase& picture : kPictures) {
        SCOPED_TRACE(picture.name);
        const QImage image = RenderShellPicture(picture.name);
        for (const QPoint& corner : Corners(image)) {
            EXPECT_EQ(qAlpha(image.pixel(corner)), picture.opaque ? 255 : 0) << corner.x() << "," << corner.y();
        }
        const QPoint middle(image.width() / 2, image.height() / 2);
        EXPECT_EQ(qAlpha(image.pixel(middle)), 255);
    }
}

// The launcher and the about box take their window colour from JESTER1's top-left pixel,
// so the picture must melt into that colour at every edge.
TEST(ShellArtwork, JesterCornersShareTheWindowColour) {
    for (const qreal ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        const QImage jester = RenderShellPicture("JESTER1", ratio);
        const QRgb windowColour = jester.pixel(0, 0);
        for (const QPoint& corner : Corners(jester)) {
            EXPECT_EQ(jester.pixel(corner), windowColour) << corner.x() << "," << corner.y();
        }
        // ...and the jester himself is there, not just the background.
        EXPECT_NE(jester.pixel(jester.width() / 2, jester.height() / 2), windowColour);
    }
}

TEST(ShellArtwork, TheThreeJesterPosesDiffer) {
    const QImage one = RenderShellPicture("JESTER1");
    const QImage two = RenderShellPicture("JESTER2");
    const QImage three = RenderShellPicture("JESTER3");
    EXPECT_NE(one, two);
    EXPECT_NE(two, three);
    EXPECT_NE(one, three);
    // All three share the background, so swapping them in the about box never flickers.
    EXPECT_EQ(one.pixel(0, 0), two.pixel(0, 0));
    EXPECT_EQ(one.pixel(0, 0), three.pixel(0, 0));
}

TEST(ShellArtwork, WinAnimationHasTenMovingFrames) {
    for (const qreal ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        const std::vector<QImage> frames = RenderWinAnimation(ratio);
        ASSERT_EQ(frames.size(), static_cast<std::size_t>(kWinFrames));
        for (const QImage& frame : frames) {
            EXPECT_EQ(frame.size(), kWinFrameSize * ratio);
            EXPECT_DOUBLE_EQ(frame.devicePixelRatio(), ratio);
        }
        // Something moves between every pair of neighbours, including the wrap back to the start.
        for (int i = 0; i < kWinFrames; ++i) {
            EXPECT_NE(frames[static_cast<std::size_t>(i)], frames[static_cast<std::size_t>((i + 1) % kWinFrames)])
                << "frames " << i << " and " << (i + 1) % kWinFrames;
        }
    }
}

TEST(ShellArtwork, WinPictureIsTheAnimationsFirstFrame) {
    EXPECT_EQ(RenderShellPicture("WIN_AVI"), RenderWinAnimation().front());
}

TEST(ShellArtwork, RenderingIsRepeatable) {
    EXPECT_EQ(RenderShellPicture("STARTUP"), RenderShellPicture("STARTUP"));
    EXPECT_EQ(RenderWinAnimation()[4], RenderWinAnimation()[4]);
}

TEST(ShellArtwork, NonPositiveRatioFallsBackToPlainPixels) {
    for (const qreal ratio : {0.0, -2.0}) {
        SCOPED_TRACE(ratio);
        EXPECT_EQ(RenderShellPicture("JESTER1", ratio).size(), QSize(68, 97));
        EXPECT_EQ(RenderWinAnimation(ratio).front().size(), kWinFrameSize);
    }
}

}  // namespace
