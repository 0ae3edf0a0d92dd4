#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <optional>

#include "cards/card_imagery.h"
#include "shell/display_check.h"
#include "shell/preferences_dialog.h"
#include "shell/shell_artwork.h"
#include "shell/shell_wiring.h"
#include "shell/sys_requirements_form.h"
#include "support/launcher_fixture.h"

namespace {

constexpr int kKlondikeRow = 6;
constexpr int kGolfRow = 4;

// What the player saw of the requirements dialog.
struct Requirement {
    QString message;
    bool preferencesOffered;
};

class LauncherSelectionTest : public LauncherTest {
protected:
    // Chooses a list entry as a click would, noting the requirements dialog if it comes up.
    std::optional<Requirement> Choose(TSolitaireForm& launcher, int row) {
        std::optional<Requirement> seen;
        WhenModal<TSysRequirementsForm>([&seen](TSysRequirementsForm& dialog) {
            seen = Requirement{dialog.MessageLabel()->text(), dialog.PrefButton()->isVisible()};
            dialog.OKButton()->click();
        });
        launcher.GameSelectListBox()->setCurrentRow(row);
        launcher.GameSelectListBoxClick();
        return seen;
    }

    // A Klondike game with enough moves made that quitting it asks first.
    static void PlayFiveMoves(GameWindow& window) {
        for (int move = 0; move < 5; ++move) window.Game().Click(*window.Game().View("DeckPileView"));
    }

    static qint64 PreviewKey(TSolitaireForm& launcher) { return launcher.GameImage()->pixmap().cacheKey(); }
};

TEST_F(LauncherTest, LauncherIsLaidOutAsDesigned) {
    TSolitaireForm& launcher = Start();
    EXPECT_EQ(launcher.windowTitle(), "Tablewise!");
    EXPECT_EQ(launcher.size(), QSize(329, 241));
    EXPECT_EQ(launcher.minimumSize(), launcher.maximumSize());

    QListWidget& list = *launcher.GameSelectListBox();
    EXPECT_EQ(list.geometry(), QRect(4, 5, 157, 97));
    QStringList names;
    for (int row = 0; row < list.count(); ++row) names << list.item(row)->text();
    EXPECT_EQ(names, (QStringList{"Beleaguered Castle", "Double Klondike", "Forty Thieves", "Free Cell", "Golf",
                                  "Indian Patience", "Klondike", "Montana", "Pyramid", "Queen of Italy", "Sea Towers",
                                  "Spider"}));
    EXPECT_EQ(list.toolTip(), "Select Solitaire Game");
    EXPECT_EQ(list.font().pixelSize(), 12);
    EXPECT_TRUE(list.font().bold());
    EXPECT_EQ(list.visualItemRect(list.item(1)).top() - list.visualItemRect(list.item(0)).top(), 15);
    EXPECT_EQ(list.palette().color(QPalette::Base), list.palette().color(QPalette::ToolTipBase));
    EXPECT_EQ(list.currentRow(), -1);

    EXPECT_EQ(launcher.Image1()->geometry(), QRect(214, 5, 72, 104));
    EXPECT_EQ(launcher.Image1()->toolTip(), "Click for Info...");
    EXPECT_EQ(launcher.HelpButton()->geometry(), QRect(300, 80, 25, 25));
    EXPECT_EQ(launcher.HelpButton()->toolTip(), "Help...");
    EXPECT_EQ(launcher.ImagePanel()->geometry(), QRect(3, 109, 324, 129));
    EXPECT_EQ(launcher.GameImage()->geometry(), QRect(2, 2, 320, 125));
    EXPECT_EQ(launcher.StartPanel()->geometry(), QRect(72, 72, 185, 41));
    EXPECT_FALSE(launcher.StartPanel()->isHidden());

    const QColor jesterGround = RenderShellPicture("JESTER1").pixelColor(0, 0);
    EXPECT_EQ(launcher.palette().color(QPalette::Window), jesterGround);
    EXPECT_FALSE(launcher.TrayMode());
}

TEST_F(LauncherTest, EntryWiresTheShellToThePreferencesAndTheLauncher) {
    TSolitaireForm& launcher = Start({{"MinimizeToTray", "True"}, {"BackgroundColor", "$00804020"}});
    EXPECT_TRUE(launcher.TrayMode());
    // A game opened from the launcher lies on the player's table colour.
    launcher.GameSelectListBox()->setCurrentRow(6);
    launcher.GameSelectListBoxClick();
    ASSERT_NE(Window("TKlondikeForm"), nullptr);
    EXPECT_EQ(Window("TKlondikeForm")->TableColor(), QColor(0x20, 0x40, 0x80));

    TPreferencesDlg& preferences = *PreferencesDlg();
    for (bool on : {true, false}) {
        preferences.DoSound = on;
        preferences.DoAnimation = !on;
        EXPECT_EQ(SoundPreferenceOn(), on);
        EXPECT_EQ(Shell().dealAnimation(), !on);
        Shell().setCloseAllowed(on);
        EXPECT_EQ(launcher.CloseAllowed, on);
    }
}

TEST_F(LauncherSelectionTest, ChoosingKlondikeOpensTheWindowOfThePreferredCardSize) {
    struct Case {
        const char* cardSize;
        const char* opens;
        const char* staysShut;
        _CardSize size;
    };
    for (const Case& c : {Case{"1", "TKlondikeForm", "TsKlondikeForm", CZ_LARGE},
                          Case{"0", "TsKlondikeForm", "TKlondikeForm", CZ_SMALL}}) {
        SCOPED_TRACE(c.opens);
        TSolitaireForm& launcher = Start({{"CardSize", c.cardSize}});
        launcher.show();
        QListWidget& list = *launcher.GameSelectListBox();
        list.scrollToItem(list.item(kKlondikeRow));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                          list.visualItemRect(list.item(kKlondikeRow)).center());
        GameWindow* window = Window(c.opens);
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(Window(c.staysShut), nullptr);
        EXPECT_EQ(CardImagery::GetCardSize(), c.size);
        EXPECT_TRUE(launcher.StartPanel()->isHidden());
        EXPECT_EQ(launcher.LastListIndex, kKlondikeRow);

        // The same entry again leaves the open game alone.
        EXPECT_FALSE(Choose(launcher, kKlondikeRow));
        EXPECT_EQ(Window(c.opens), window);
        EXPECT_TRUE(window->isVisible());
        window->close();
    }
}

TEST_F(LauncherSelectionTest, F1OpensTheHelpAndTheArrowKeysChooseAsClicksDo) {
    TSolitaireForm& launcher = Start();
    launcher.show();
    launcher.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&launcher));
    QListWidget& list = *launcher.GameSelectListBox();
    QTest::keyClick(&list, Qt::Key_F1);
    const auto helpShown = [] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == "HelpViewer" && window->isVisible()) return true;
        return false;
    };
    EXPECT_TRUE(helpShown());
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == "HelpViewer") window->close();

    list.setCurrentRow(kKlondikeRow - 1);
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(launcher.LastListIndex, kKlondikeRow);
    EXPECT_NE(Window("TKlondikeForm"), nullptr);
}

TEST_F(LauncherSelectionTest, AnotherGameOrAnotherCardSizeClosesTheOpenGame) {
    TSolitaireForm& launcher = Start();
    Choose(launcher, kKlondikeRow);
    ASSERT_NE(Window("TKlondikeForm"), nullptr);
    const qint64 klondikePreview = PreviewKey(launcher);

    // A game not built yet: the open game goes, the new game's picture shows, nothing opens.
    EXPECT_FALSE(Choose(launcher, kGolfRow));
    EXPECT_EQ(Window("TKlondikeForm"), nullptr);
    EXPECT_EQ(Window("TGolfForm"), nullptr);
    EXPECT_EQ(Window("TsGolfForm"), nullptr);
    EXPECT_NE(PreviewKey(launcher), klondikePreview);
    EXPECT_EQ(launcher.LastListIndex, kGolfRow);

    Choose(launcher, kKlondikeRow);
    ASSERT_NE(Window("TKlondikeForm"), nullptr);
    PreferencesDlg()->CardSize = 0;
    Choose(launcher, kKlondikeRow);
    EXPECT_EQ(Window("TKlondikeForm"), nullptr);
    EXPECT_NE(Window("TsKlondikeForm"), nullptr);
}

TEST_F(LauncherSelectionTest, AGameThatRefusesToCloseStaysAndKeepsItsEntry) {
    TSolitaireForm& launcher = Start();
    Choose(launcher, kKlondikeRow);
    GameWindow* klondike = Window("TKlondikeForm");
    ASSERT_NE(klondike, nullptr);
    PlayFiveMoves(*klondike);
    const qint64 klondikePreview = PreviewKey(launcher);

    QString question;
    WhenModal<QMessageBox>([&question](QMessageBox& box) {
        question = box.text();
        box.button(QMessageBox::Cancel)->click();
    });
    EXPECT_FALSE(Choose(launcher, kGolfRow));
    EXPECT_EQ(question, "Quit this game of Klondike?");
    EXPECT_FALSE(launcher.CloseAllowed);
    EXPECT_EQ(Window("TKlondikeForm"), klondike);
    EXPECT_TRUE(klondike->isVisible());
    EXPECT_EQ(launcher.GameSelectListBox()->currentRow(), kKlondikeRow);
    EXPECT_EQ(launcher.LastListIndex, kKlondikeRow);
    EXPECT_EQ(PreviewKey(launcher), klondikePreview);
}

TEST_F(LauncherSelectionTest, ClosingTheLauncherClosesTheGameFirstAndStaysWhenItRefuses) {
    TSolitaireForm& launcher = Start();
    launcher.show();
    int closed = 0;
    QObject::connect(&launcher, &TSolitaireForm::Closed, [&closed] { ++closed; });
    Choose(launcher, kKlondikeRow);
    PlayFiveMoves(*Window("TKlondikeForm"));

    for (QMessageBox::StandardButton answer : {QMessageBox::Cancel, QMessageBox::Ok}) {
        WhenModal<QMessageBox>([answer](QMessageBox& box) { box.button(answer)->click(); });
        launcher.close();
    }
    // Cancel kept both windows; OK let the game go and then the launcher.
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(launcher.isVisible());
    EXPECT_EQ(Window("TKlondikeForm"), nullptr);
}

TEST_F(LauncherSelectionTest, DesktopChecksRefuseNarrowDesktopsWithTheGamesMessage) {
    const QString svgaLarge =
        " requires at least SVGA (800x600) desktop area to play using the large card preference.\n\n"
        "Increase your desktop area or select the small card size preference.";
    const QString xgaLarge =
        " requires at least XGA (1024x768) desktop area to play using the large card preference.\n\n"
        "Increase your desktop area or select the small card size preference.";
    const QString svga =
        " requires at least SVGA (800x600) desktop area to play.\n\n"
        "Increase your desktop area to play.";
    constexpr int kDoubleKlondikeRow = 1;
    constexpr int kFreeCellRow = 3;
    struct Case {
        int width;
        const char* cardSize;
        int row;
        QString message;  // empty: the game opens
    };
    const Case cases[] = {
        {799, "1", kKlondikeRow, "Klondike" + svgaLarge},
        {800, "1", kKlondikeRow, ""},
        {799, "0", kKlondikeRow, ""},
        {799, "1", kFreeCellRow, "FreeCell" + svgaLarge},
        {799, "1", kDoubleKlondikeRow, "Double Klondike" + xgaLarge},
        {1023, "1", kDoubleKlondikeRow, "Double Klondike" + xgaLarge},
        {1024, "1", kDoubleKlondikeRow, ""},
        {799, "0", kDoubleKlondikeRow, "Double Klondike" + svga},
        {800, "0", kDoubleKlondikeRow, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " pixels, CardSize=" << c.cardSize << ", row " << c.row);
        desktopWidth = c.width;
        TSolitaireForm& launcher = Start({{"CardSize", c.cardSize}});
        const std::optional<Requirement> seen = Choose(launcher, c.row);
        EXPECT_EQ(seen.has_value(), !c.message.isEmpty());
        if (seen) {
            EXPECT_EQ(seen->message, c.message);
            EXPECT_TRUE(seen->preferencesOffered);
            // The list keeps the entry although nothing opened; its picture shows.
            EXPECT_EQ(launcher.GameSelectListBox()->currentRow(), c.row);
            EXPECT_TRUE(launcher.StartPanel()->isHidden());
        }
        if (c.row == kKlondikeRow) {
            EXPECT_EQ(Window(c.cardSize == std::string("1") ? "TKlondikeForm" : "TsKlondikeForm") != nullptr,
                      c.message.isEmpty());
        }
        launcher.CloseGameWindows();
    }
    // Beleaguered Castle has a single requirement and words it the same for any reason.
    const GameEntry& castle = *FindGame("Beleaguered Castle");
    EXPECT_EQ(DisplayRequirementMessage(castle, DISPLAY_NEEDS_XGA), "Beleaguered Castle" + svgaLarge.toStdString());
}

TEST_F(LauncherSelectionTest, DesktopCheckTableForEveryGame) {
    // Large cards: the five single-requirement games need 800 pixels, the others 1024.
    // Small cards: the five need nothing, the others 800.
    for (const GameEntry& game : GameRegistry()) {
        SCOPED_TRACE(game.listText);
        for (int width : {799, 800, 1023, 1024}) {
            const bool under800 = width < 800;
            const bool under1024 = width < 1024;
            const DisplayShortfall large = CheckDesktop(game, CZ_LARGE, under800, under1024);
            const DisplayShortfall small = CheckDesktop(game, CZ_SMALL, under800, under1024);
            if (game.fitsSvga) {
                EXPECT_EQ(large, under800 ? DISPLAY_NEEDS_SVGA : DISPLAY_FITS) << width;
                EXPECT_EQ(small, DISPLAY_FITS) << width;
            } else {
                EXPECT_EQ(large, under1024 ? DISPLAY_NEEDS_XGA : DISPLAY_FITS) << width;
                EXPECT_EQ(small, under800 ? DISPLAY_NEEDS_SVGA : DISPLAY_FITS) << width;
            }
        }
    }
    int singleRequirement = 0;
    for (const GameEntry& game : GameRegistry()) singleRequirement += game.fitsSvga ? 1 : 0;
    EXPECT_EQ(singleRequirement, 5);
}

TEST_F(LauncherSelectionTest, APaletteDisplayGetsTheColourMessageWithoutPreferences) {
    colorDepth = 8;
    TSolitaireForm& launcher = Start();
    const qint64 startPicture = PreviewKey(launcher);
    const std::optional<Requirement> seen = Choose(launcher, kKlondikeRow);
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->message,
              "Tablewise requires at least high-color (16-bit) color palette setting to play.\n\n"
              "Please press the Help button below for more information.");
    EXPECT_FALSE(seen->preferencesOffered);
    EXPECT_FALSE(SysRequirementsForm()->PrefButton()->isHidden());
    EXPECT_EQ(PreviewKey(launcher), startPicture);
    EXPECT_FALSE(launcher.StartPanel()->isHidden());
    EXPECT_EQ(launcher.LastListIndex, -1);
    EXPECT_EQ(Window("TKlondikeForm"), nullptr);
}

TEST_F(LauncherTest, RequirementsDialogLeadsToThePreferencesAndTheHelp) {
    Start();
    std::vector<int> topics;
    Shell().showHelp = [&topics](int topic) { topics.push_back(topic); };
    TSysRequirementsForm& dialog = *SysRequirementsForm();
    EXPECT_EQ(dialog.windowTitle(), "Tablewise!");
    EXPECT_EQ(dialog.size(), QSize(313, 297));
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(dialog.OKButton()->isDefault());

    bool preferencesShown = false;
    WhenModal<TSysRequirementsForm>([this, &preferencesShown](TSysRequirementsForm& shown) {
        QTest::keyClick(&shown, Qt::Key_F1);
        shown.HelpBtn()->click();
        WhenModal<TPreferencesDlg>([&preferencesShown](TPreferencesDlg& preferences) {
            preferencesShown = true;
            preferences.close();
        });
        shown.PrefButton()->click();
    });
    dialog.ShowMessage("Too narrow.", true);
    EXPECT_TRUE(preferencesShown);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(topics, (std::vector<int>{500, 500}));
}

}  // namespace
