#include <QDesktopServices>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <vector>

#include "cards/card_imagery.h"
#include "shell/info_box.h"
#include "shell/shell_artwork.h"
#include "shell/url_label.h"
#include "support/launcher_fixture.h"

namespace {

// Catches the addresses the about box hands to the desktop.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    std::vector<QUrl> opened;
public slots:
    void Open(const QUrl& url) { opened.push_back(url); }
};

class InfoBoxTest : public LauncherTest {
protected:
    // Which jester picture (1 to 3) the box shows.
    static int Pose(TInfoBox& box) {
        const QImage shown = box.Image1()->pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int pose = 1; pose <= 3; ++pose) {
            const QImage jester = RenderShellPicture(QStringLiteral("JESTER%1").arg(pose), CardImagery::DevicePixelRatio())
                                      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            if (jester == shown) return pose;
        }
        return 0;
    }

    static TInfoBox& OpenBox(TSolitaireForm& launcher) {
        launcher.Image1Click();
        TInfoBox* box = launcher.InfoBox();
        // The test moves the jester itself.
        box->Timer1()->stop();
        return *box;
    }
};

TEST_F(InfoBoxTest, AboutBoxIsLaidOutOnTheJestersColour) {
    TSolitaireForm& launcher = Start();
    TInfoBox& box = OpenBox(launcher);
    EXPECT_EQ(box.windowTitle(), "About Tablewise!");
    EXPECT_EQ(box.size(), QSize(539, 316));
    EXPECT_EQ(box.findChild<QLabel*>("Memo1")->text(), "Tablewise Version 1.03");
    EXPECT_EQ(box.Timer1()->interval(), 400);
    EXPECT_EQ(Pose(box), 2);
    EXPECT_EQ(box.palette().color(QPalette::Window), RenderShellPicture("JESTER2").pixelColor(0, 0));
    // A second click on the jester shows the same box.
    launcher.Image1Click();
    EXPECT_EQ(launcher.InfoBox(), &box);
}

TEST_F(InfoBoxTest, JesterDancesThreeTwoOneTwoAndCarriesOnWhenTheBoxOpensAgain) {
    TSolitaireForm& launcher = Start();
    const int cycle[] = {3, 2, 1, 2};
    const int first = JesterStep();
    std::vector<int> seen;
    std::vector<int> expected;
    for (int opening = 0; opening < 2; ++opening) {
        TInfoBox& box = OpenBox(launcher);
        for (int tick = 0; tick < 3; ++tick) {
            box.Timer1Timer();
            seen.push_back(Pose(box));
            expected.push_back(cycle[(first + opening * 3 + tick) % 4]);
        }
        box.close();
        FlushClosedWindows();
        EXPECT_EQ(launcher.InfoBox(), nullptr);
    }
    EXPECT_EQ(seen, expected);
}

TEST_F(InfoBoxTest, EscapeClosesTheBox) {
    TSolitaireForm& launcher = Start();
    TInfoBox& box = OpenBox(launcher);
    box.show();
    QTest::keyClick(&box, Qt::Key_Escape);
    EXPECT_FALSE(box.isVisible());
    FlushClosedWindows();
    EXPECT_EQ(launcher.InfoBox(), nullptr);
}

TEST_F(InfoBoxTest, LinksOpenTheWebPageAndANewMail) {
    TSolitaireForm& launcher = Start();
    TInfoBox& box = OpenBox(launcher);
    box.show();
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "Open");
    QDesktopServices::setUrlHandler("mailto", &catcher, "Open");
    const QColor navy(0, 0, 128);
    const QColor maroon(128, 0, 0);
    for (TUrlLabel* link : {box.URLLabel1(), box.URLLabel2()}) {
        EXPECT_TRUE(link->font().underline());
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
        QTest::mousePress(link, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        EXPECT_EQ(link->palette().color(QPalette::WindowText), maroon);
        QTest::mouseRelease(link, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        EXPECT_EQ(link->palette().color(QPalette::WindowText), navy);
    }
    QDesktopServices::unsetUrlHandler("https");
    QDesktopServices::unsetUrlHandler("mailto");
    EXPECT_EQ(catcher.opened, (std::vector<QUrl>{QUrl("https://tablewise.example.org"),
                                                 QUrl("mailto:support@tablewise.example.org")}));
}

}  // namespace

#include "info_box_test.moc"
