#include <QImage>
#include <QPainter>

#include "games/table_colour.h"
#include "shell/table_background.h"
#include "support/window_fixture.h"

namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;

TzBackground Gradient(TFillType direction, QColor start, QColor end) {
    TzBackground background;
    background.BackType = btBlend;
    background.FillType = direction;
    background.Color = start;
    background.EndColor = end;
    return background;
}

// A tile whose every pixel says where in the tile it lies; its corner colour is unique.
QPixmap CoordinateTile(int side) {
    QImage tile(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) tile.setPixel(x, y, qRgb(x + 1, y + 1, 200));
    return QPixmap::fromImage(tile);
}

QRgb TileColour(int x, int y) { return qRgb(x + 1, y + 1, 200); }

PreferenceValues GradientPreferences(int direction, std::uint32_t start, std::uint32_t end) {
    PreferenceValues preferences;
    preferences.BackgroundIndex = 1;
    preferences.GradientIndex = direction;
    preferences.GradientStartColor = start;
    preferences.GradientEndColor = end;
    return preferences;
}

}  // namespace

TEST(TableBitmap, BlackToWhiteTopToBottomOn512RowsPaints256BandsOfTwoRows) {
    const QImage table = PaintTableBitmap(Gradient(gVert, Qt::black, Qt::white), QSize(40, 512), 1.0).toImage();
    ASSERT_EQ(table.size(), QSize(40, 512));
    for (int band = 0; band < 256; ++band)
        for (int row : {2 * band, 2 * band + 1})
            for (int x : {0, 39}) ASSERT_EQ(table.pixel(x, row), qRgb(band, band, band)) << "row " << row;
}

TEST(TableBitmap, LeftToRightGradientStartsAndEndsOnTheExactColours) {
    struct Case {
        QSize size;
        QColor start;
        QColor end;
    };
    const Case cases[] = {
        {{850, 620}, ColorFromTableValue(0x004000), Qt::black},
        {{300, 40}, QColor(255, 0, 30), QColor(7, 99, 255)},
        {{257, 20}, Qt::white, QColor(1, 2, 3)},  // one pixel more than the band count
    };
    for (const Case& c : cases) {
        const QImage table = PaintTableBitmap(Gradient(gHorz, c.start, c.end), c.size, 1.0).toImage();
        const int last = c.size.width() - 1;
        for (int y : {0, c.size.height() - 1}) {
            EXPECT_EQ(table.pixelColor(0, y), c.start) << c.size.width();
            EXPECT_EQ(table.pixelColor(last, y), c.end) << c.size.width();
        }
        // Vertical strips: every column is one colour from top to bottom.
        for (int x = 0; x <= last; x += 7)
            ASSERT_EQ(table.pixel(x, 0), table.pixel(x, c.size.height() - 1)) << "column " << x;
    }
}

TEST(TableBitmap, OnADenseScreenTheGradientIsRenderedAtFullResolution) {
    const QPixmap table = PaintTableBitmap(Gradient(gVert, Qt::black, Qt::white), QSize(100, 256), 2.0);
    EXPECT_EQ(table.devicePixelRatio(), 2.0);
    EXPECT_EQ(table.deviceIndependentSize().toSize(), QSize(100, 256));
    const QImage pixels = table.toImage();
    ASSERT_EQ(pixels.size(), QSize(200, 512));
    EXPECT_EQ(pixels.pixel(0, 0), kBlack);
    EXPECT_EQ(pixels.pixel(0, 2), qRgb(1, 1, 1));  // bands of two device rows, not four
    EXPECT_EQ(pixels.pixel(199, 511), kWhite);
}

TEST(TableBitmap, A100PixelTileOn850By620IsLaid9By7TimesFromTheCorner) {
    TzBackground background;
    background.BackType = btBitmap;
    background.BitMap = CoordinateTile(100);
    const QImage table = PaintTableBitmap(background, QSize(850, 620), 1.0).toImage();
    ASSERT_EQ(table.size(), QSize(850, 620));
    int corners = 0;
    for (int y = 0; y < table.height(); ++y)
        for (int x = 0; x < table.width(); ++x)
            if (table.pixel(x, y) == TileColour(0, 0)) {
                EXPECT_TRUE(x % 100 == 0 && y % 100 == 0) << x << "," << y;
                ++corners;
            }
    EXPECT_EQ(corners, 9 * 7);
    // Either side of the seams, and the tiles cut by the right and bottom edges.
    EXPECT_EQ(table.pixel(99, 99), TileColour(99, 99));
    EXPECT_EQ(table.pixel(100, 99), TileColour(0, 99));
    EXPECT_EQ(table.pixel(799, 600), TileColour(99, 0));
    EXPECT_EQ(table.pixel(849, 619), TileColour(49, 19));
}

TEST(TableBitmap, NothingIsPaintedForThePlainColourOrAMissingTile) {
    TzBackground plain;
    EXPECT_TRUE(PaintTableBitmap(plain, QSize(50, 50), 1.0).isNull());
    TzBackground noTile;
    noTile.BackType = btBitmap;
    EXPECT_TRUE(PaintTableBitmap(noTile, QSize(50, 50), 1.0).isNull());
}

using TableBackgroundWindow = WindowTest;

TEST_F(TableBackgroundWindow, TiledImageWithoutAPictureShowsTheSolidColour) {
    GameWindow& window = Open("Klondike", CZ_LARGE);
    ApplyBackground(window, GradientPreferences(0, 0x000000, 0xFFFFFF), nullptr);
    PreferenceValues preferences;
    preferences.BackgroundIndex = 2;
    preferences.BackgroundColor = 0x336699;
    const QPixmap empty;
    for (const QPixmap* picture : {static_cast<const QPixmap*>(nullptr), &empty}) {
        ApplyBackground(window, preferences, picture);
        EXPECT_EQ(window.TableBitmap(), nullptr);
        EXPECT_EQ(window.TableColor(), QColor(0x99, 0x66, 0x33));
        for (const auto& view : window.Game().Views()) EXPECT_EQ(view->BackgroundMode, FS_NORMAL) << view->Name;
        const QImage shown = window.grab().toImage();
        EXPECT_EQ(shown.pixelColor(400, 480), QColor(0x99, 0x66, 0x33));  // bare table under the columns
        EXPECT_EQ(shown.pixelColor(336, 70), QColor(0x99, 0x66, 0x33));   // inside the empty first foundation
    }
}

TEST_F(TableBackgroundWindow, AGradientPutsEveryPileOnTheTableBitmap) {
    GameWindow& window = Open("Klondike", CZ_LARGE);
    ApplyBackground(window, GradientPreferences(0, 0x000000, 0xFFFFFF), nullptr);
    ASSERT_NE(window.TableBitmap(), nullptr);
    EXPECT_EQ(window.TableBitmap()->deviceIndependentSize().toSize(), window.size());
    for (const auto& view : window.Game().Views()) EXPECT_EQ(view->BackgroundMode, FS_BITMAP) << view->Name;

    const QImage table = window.TableBitmap()->toImage();
    const QImage shown = window.grab().toImage();
    EXPECT_EQ(shown.pixel(0, 0), kBlack);
    EXPECT_EQ(shown.pixel(400, window.height() - 1), kWhite);
    // The empty foundation shows the band of the table behind it, not a flat colour.
    for (int y : {30, 70, 120}) EXPECT_EQ(shown.pixel(336, y), table.pixel(336, y)) << y;
    EXPECT_NE(shown.pixel(336, 30), shown.pixel(336, 120));

    // Back to the plain colour: the piles fill again.
    ApplyBackground(window, PreferenceValues{}, nullptr);
    EXPECT_EQ(window.TableBitmap(), nullptr);
    for (const auto& view : window.Game().Views()) EXPECT_EQ(view->BackgroundMode, FS_NORMAL) << view->Name;
    EXPECT_EQ(window.grab().toImage().pixelColor(336, 70), ColorFromTableValue(kDefaultTableValue));
}

TEST_F(TableBackgroundWindow, ATiledPictureCoversTheTableFromTheCorner) {
    GameWindow& window = Open("Klondike", CZ_LARGE);
    PreferenceValues preferences;
    preferences.BackgroundIndex = 2;
    const QPixmap tile = CoordinateTile(100);
    ApplyBackground(window, preferences, &tile);
    for (const auto& view : window.Game().Views()) EXPECT_EQ(view->BackgroundMode, FS_BITMAP) << view->Name;
    const QImage shown = window.grab().toImage();
    EXPECT_EQ(shown.pixel(0, 0), TileColour(0, 0));
    EXPECT_EQ(shown.pixel(336, 70), TileColour(36, 70));  // through the empty foundation
    EXPECT_EQ(shown.pixel(650, 480), TileColour(50, 80));
}

TEST_F(TableBackgroundWindow, ResizingRepaintsTheWholeGradientForTheNewSize) {
    const PreferenceValues preferences = GradientPreferences(0, 0x0000FF, 0xFF0000);
    Shell().applyBackground = [&preferences](QWidget& window) {
        ApplyBackground(static_cast<GameWindow&>(window), preferences, nullptr);
    };
    GameWindow& window = Open("Klondike", CZ_LARGE);
    const QSize larger(window.width(), 700);
    window.resize(larger);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.size() == larger; }));
    ASSERT_NE(window.TableBitmap(), nullptr);
    EXPECT_EQ(window.TableBitmap()->deviceIndependentSize().toSize(), larger);
    const QImage shown = window.grab().toImage();
    EXPECT_EQ(shown.pixelColor(576, 0), QColor(255, 0, 0));
    EXPECT_EQ(shown.pixelColor(576, larger.height() - 1), QColor(0, 0, 255));
    // Row 350 of 700 opens band 128: red 255 - 128, blue 128.
    EXPECT_EQ(shown.pixelColor(576, 350), QColor(127, 0, 128));
}

TEST_F(TableBackgroundWindow, PilesCopyTheirPartOfATableRenderedForADenseScreen) {
    GameWindow& window = Open("Klondike", CZ_LARGE);
    TzBackground background;
    background.BackType = btBitmap;
    background.BitMap = CoordinateTile(100);
    // Every picture pixel covers two by two table pixels, so any sampling shows it whole.
    window.SetTableBitmap(PaintTableBitmap(background, window.size(), 2.0));
    const QImage shown = window.grab().toImage();
    EXPECT_EQ(shown.pixel(336, 70), TileColour(36, 70));  // through the empty first foundation
    EXPECT_EQ(shown.pixel(520, 100), TileColour(20, 0));  // through the third
    EXPECT_EQ(shown.pixel(290, 70), TileColour(90, 70));  // the bare table beside them
}
