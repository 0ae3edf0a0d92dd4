#include <QImage>
#include <QPainter>
#include <functional>
#include <gtest/gtest.h>

#include "cards/card.h"
#include "cards/card_artwork.h"
#include "cards/card_imagery.h"

namespace {

const QRgb kMagenta = qRgb(255, 0, 255);

QImage Argb(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32_Premultiplied); }

// What a painting leaves on a transparent card-sized canvas at the imagery's ratio.
QImage Drawn(const std::function<void(QPainter&)>& paint) {
    const qreal ratio = CardImagery::DevicePixelRatio();
    const QSize logical = CardImagery::CardLogicalSize();
    QImage canvas(logical * ratio, QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    paint(painter);
    return canvas;
}

QImage ListImage(const ImageList* list, int index) { return Argb(list->Pixmap(index).toImage()); }

QImage DrawnCard(const TCard& card) {
    return Drawn([&](QPainter& p) { CardImagery::DrawCardOnCanvas(p, QPoint(0, 0), card); });
}

// A picture unlike any card, to tell the custom back apart.
QPixmap PlainBack() {
    QPixmap back(CardImagery::CardLogicalSize());
    back.fill(QColor(10, 200, 30));
    return back;
}

class CardImageryTest : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset() {
        CardImagery::SetCardSize(CZ_LARGE);
        CardImagery::FreeCardBitmaps();
        CardImagery::SetBackIndex(0);
    }
};

TEST_F(CardImageryTest, LoadingFillsBothListsAtTheCardSizeInResourceOrder) {
    EXPECT_EQ(CardImagery::GetCardImageList(), nullptr);
    CardImagery::EnsureLoaded();
    ImageList* faces = CardImagery::GetCardImageList();
    ImageList* backs = CardImagery::GetBackImageList();
    ASSERT_NE(faces, nullptr);
    ASSERT_NE(backs, nullptr);
    EXPECT_EQ(faces->Count(), 53);
    EXPECT_EQ(backs->Count(), 3);
    EXPECT_EQ(faces->LogicalSize(), QSize(80, 125));
    EXPECT_EQ(faces->Pixmap(0).deviceIndependentSize(), QSizeF(80, 125));

    // The Ace of Clubs is image 0 ("FSCARD100"), the King of Hearts image 51 ("FSCARD151").
    ImageList keyed(QSize(80, 125));
    keyed.AddMasked(RenderCardResource("FSCARD100", CardImagery::DevicePixelRatio()), QColor(kMagenta));
    keyed.AddMasked(RenderCardResource("FSCARD151", CardImagery::DevicePixelRatio()), QColor(kMagenta));
    EXPECT_EQ(ListImage(faces, 0), ListImage(&keyed, 0));
    EXPECT_EQ(ListImage(faces, 51), ListImage(&keyed, 1));
    EXPECT_EQ(DrawnCard(TCard(CS_CLUBS, CV_ACE, true)), ListImage(faces, 0));
    EXPECT_EQ(DrawnCard(TCard(CS_HEARTS, CV_KING, true)), ListImage(faces, 51));
    EXPECT_NE(ListImage(faces, 0), ListImage(faces, 51));

    // A second load, of either size, keeps the lists that exist.
    CardImagery::LoadSmallCardBitmaps();
    EXPECT_EQ(CardImagery::GetCardImageList(), faces);
    EXPECT_EQ(faces->LogicalSize(), QSize(80, 125));
}

TEST_F(CardImageryTest, CornersAreKeyedAwayAndTheMiddleStaysOpaque) {
    struct Case {
        _CardSize size;
        const char* name;
    };
    for (const Case& c : {Case{CZ_LARGE, "FSCARD100"}, Case{CZ_LARGE, "FSCARD153"}, Case{CZ_SMALL, "sFSCARD151"},
                          Case{CZ_SMALL, "sFSCARD155"}}) {
        SCOPED_TRACE(c.name);
        const QImage resource = RenderCardResource(c.name, 1);
        EXPECT_EQ(resource.pixel(0, 0), kMagenta);
        EXPECT_EQ(resource.pixel(resource.width() - 1, resource.height() - 1), kMagenta);
        ImageList list(resource.size());
        list.AddMasked(resource, QColor(kMagenta));
        const QImage keyed = ListImage(&list, 0);
        EXPECT_EQ(qAlpha(keyed.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(keyed.pixel(keyed.width() - 1, 0)), 0);
        EXPECT_EQ(qAlpha(keyed.pixel(keyed.width() / 2, keyed.height() / 2)), 255);
    }
}

// Every keyed picture must be magenta exactly where the outline mask is white, or the
// table would show through a card or a pink fringe would show around it.
TEST_F(CardImageryTest, EveryCardPictureIsKeyedExactlyOutsideTheOutline) {
    for (const qreal ratio : {1.0, 2.0}) {
        for (const QString& prefix : {QString(), QStringLiteral("s")}) {
            const QImage mask = RenderCardResource(prefix + "BORDERMASK", ratio);
            ASSERT_FALSE(mask.isNull());
            for (int number = 100; number <= 157; ++number) {
                const QString name = prefix + "FSCARD" + QString::number(number);
                SCOPED_TRACE(qPrintable(name + " at " + QString::number(ratio)));
                const QImage image = RenderCardResource(name, ratio);
                ASSERT_EQ(image.size(), mask.size());
                const bool opaqueMark = number >= 156;
                int wrong = 0;
                for (int y = 0; y < image.height(); ++y) {
                    for (int x = 0; x < image.width(); ++x) {
                        const bool magenta = (image.pixel(x, y) & RGB_MASK) == (kMagenta & RGB_MASK);
                        const bool outside = mask.pixel(x, y) == qRgb(255, 255, 255);
                        const bool inside = mask.pixel(x, y) == qRgb(0, 0, 0);
                        if (!outside && !inside) ++wrong;
                        if (magenta != (outside && !opaqueMark)) ++wrong;
                    }
                }
                EXPECT_EQ(wrong, 0);
            }
            const QImage border = RenderCardResource(prefix + "BORDER", ratio);
            EXPECT_EQ(border.pixel(0, 0), kMagenta);
            EXPECT_EQ(border.pixel(border.width() / 2, border.height() / 2), qRgb(255, 255, 255));
        }
    }
}

TEST_F(CardImageryTest, AFaceDownCardShowsTheChosenBack) {
    CardImagery::EnsureLoaded();
    const ImageList* backs = CardImagery::GetBackImageList();
    TCard card(CS_SPADES, CV_SEVEN, false);
    CardImagery::SetBackIndex(1);
    EXPECT_EQ(DrawnCard(card), ListImage(backs, 1));
    EXPECT_NE(ListImage(backs, 1), ListImage(backs, 0));
    EXPECT_NE(ListImage(backs, 1), ListImage(backs, 2));
    // The back list's image 1 is "FSCARD154".
    ImageList keyed(QSize(80, 125));
    keyed.AddMasked(RenderCardResource("FSCARD154", CardImagery::DevicePixelRatio()), QColor(kMagenta));
    EXPECT_EQ(ListImage(backs, 1), ListImage(&keyed, 0));
    // A back index without a picture draws nothing.
    CardImagery::SetBackIndex(3);
    const QImage nothing = DrawnCard(card);
    EXPECT_EQ(qAlpha(nothing.pixel(nothing.width() / 2, nothing.height() / 2)), 0);
}

TEST_F(CardImageryTest, TheFaceBitmapIgnoresTheFaceState) {
    const TCard faceDown(CS_DIAMONDS, CV_QUEEN, false);
    const QPixmap face = CardImagery::GetCardBitmap(faceDown);
    EXPECT_EQ(Argb(face.toImage()), ListImage(CardImagery::GetCardImageList(), CS_DIAMONDS * 13 + CV_QUEEN));
    EXPECT_NE(Argb(face.toImage()), DrawnCard(faceDown));
}

TEST_F(CardImageryTest, TheCustomBackSurvivesOnlyWhileTheSizeStays) {
    CardImagery::InstallCustomBack(PlainBack());
    ImageList* backs = CardImagery::GetBackImageList();
    ASSERT_EQ(backs->Count(), 4);
    CardImagery::InstallCustomBack(PlainBack());
    EXPECT_EQ(backs->Count(), 4) << "a second install replaces the custom back";
    CardImagery::SetBackIndex(3);
    const QImage drawn = DrawnCard(TCard(CS_CLUBS, CV_TWO, false));
    EXPECT_EQ(drawn.pixel(drawn.width() / 2, drawn.height() / 2), qRgb(10, 200, 30));

    CardImagery::SetCardSize(CZ_LARGE);
    EXPECT_EQ(CardImagery::GetBackImageList(), backs);
    EXPECT_EQ(backs->Count(), 4);

    CardImagery::SetCardSize(CZ_SMALL);
    EXPECT_EQ(CardImagery::GetCardSize(), CZ_SMALL);
    ASSERT_NE(CardImagery::GetBackImageList(), nullptr);
    EXPECT_EQ(CardImagery::GetBackImageList()->Count(), 3);
    EXPECT_EQ(CardImagery::GetCardImageList()->LogicalSize(), QSize(61, 95));
    ASSERT_NE(CardImagery::GetPileImageList(), nullptr) << "the marks come back at the new size";
    EXPECT_EQ(CardImagery::GetPileImageList()->LogicalSize(), QSize(61, 95));
    EXPECT_EQ(CardImagery::GetBackIndex(), 3) << "the back index is the preferences' business";
}

TEST_F(CardImageryTest, PileMarksAreOpaqueAndFreedWithTheCards) {
    const QImage cross = Drawn([](QPainter& p) { CardImagery::DrawPileMark(p, QPoint(0, 0), 1); });
    const QImage recycle = Drawn([](QPainter& p) { CardImagery::DrawPileMark(p, QPoint(0, 0), 0); });
    EXPECT_EQ(cross, Argb(RenderCardResource("FSCARD157", CardImagery::DevicePixelRatio())));
    EXPECT_EQ(recycle, Argb(RenderCardResource("FSCARD156", CardImagery::DevicePixelRatio())));
    EXPECT_EQ(qAlpha(cross.pixel(0, 0)), 255);
    CardImagery::FreeCardBitmaps();
    EXPECT_EQ(CardImagery::GetPileImageList(), nullptr);
    EXPECT_EQ(CardImagery::GetCardImageList(), nullptr);
    EXPECT_EQ(CardImagery::GetBackImageList(), nullptr);
}

TEST(CardArtworkTest, NamesMatchWithoutRegardToCase) {
    struct Case {
        const char* asWritten;
        const char* canonical;
    };
    for (const Case& c : {Case{"fscard100", "FSCARD100"}, Case{"SfScArD153", "sFSCARD153"},
                          Case{"border", "BORDER"}, Case{"SBORDERMASK", "sBORDERMASK"}}) {
        SCOPED_TRACE(c.asWritten);
        const QImage image = RenderCardResource(c.asWritten, 1);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image, RenderCardResource(c.canonical, 1));
    }
    EXPECT_NE(RenderCardResource("FSCARD100", 1), RenderCardResource("FSCARD101", 1));
}

TEST(CardArtworkTest, UnknownNamesGiveNoImage) {
    for (const char* name : {"", "FSCARD", "FSCARD99", "FSCARD158", "FSCARD0100", "FSCARD+100", "FSCARD100 ",
                             "XFSCARD100", "ssFSCARD100", "BORDERS", "JESTER1"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(RenderCardResource(name, 1).isNull());
    }
}

TEST(CardArtworkTest, HigherRatiosAddPixelsNotSize) {
    struct Case {
        const char* name;
        QSize logical;
    };
    for (const Case& c : {Case{"FSCARD112", {80, 125}}, Case{"sFSCARD139", {61, 95}}, Case{"FSCARD156", {80, 125}},
                          Case{"sBORDERMASK", {61, 95}}}) {
        SCOPED_TRACE(c.name);
        const QImage one = RenderCardResource(c.name, 1);
        const QImage two = RenderCardResource(c.name, 2);
        EXPECT_EQ(one.size(), c.logical);
        EXPECT_EQ(two.size(), c.logical * 2);
        EXPECT_DOUBLE_EQ(two.devicePixelRatio(), 2.0);
        EXPECT_EQ(two.deviceIndependentSize(), QSizeF(c.logical));
    }
}

}  // namespace
