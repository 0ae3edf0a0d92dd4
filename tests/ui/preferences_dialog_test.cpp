#include <gtest/gtest.h>
#include <QBuffer>
#include <QCheckBox>
#include <QColorDialog>
#include <QDir>
#include <QImageWriter>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cards/card_imagery.h"
#include "cards/shuffle.h"
#include "games/game_window.h"
#include "games/registry.h"
#include "games/shell_services.h"
#include "services/profile.h"
#include "shell/colour_swatch.h"
#include "shell/display_probe.h"
#include "shell/preferences_dialog.h"
#include "shell/preferences_prompts.h"
#include "shell/radio_group.h"
#include "shell/table_background.h"
#include "support/scratch_folder.h"
#include "support/test_pictures.h"

namespace {

const QString kImagesFilter = "Images (*.bmp;*.jpeg;*.jpg;*.pcx)";
const QString kAllFilesFilter = "All Files (*.*)";
const QRgb kPictureColour = qRgb(30, 90, 200);
constexpr int kLossyTolerance = 8;

QByteArray Encoded(const QImage& picture, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(95);
    EXPECT_TRUE(writer.write(picture)) << format;
    return bytes;
}

QImage Plain(QRgb colour, int width = 40, int height = 30) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

bool Near(QRgb a, QRgb b, int tolerance = kLossyTolerance) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

QImage Shown(const QLabel& label) {
    return label.pixmap().toImage();
}

// The dialog on a settings file of the test's own, a desktop of the test's choosing,
// and the player's answers given by the test.
class PreferencesTest : public ::testing::Test {
  protected:
    PreferencesTest()
        : savedShell_(Shell()),
          savedDisplay_(DesktopDisplay()),
          savedPrompts_(PreferencePrompts()) {
        Shell().settingsFile = folder_.Path() / "Solitaire.ini";
        Shell().showHelp = [this](int topic) { helpTopics.push_back(topic); };
        DesktopDisplay() = {[this] { return desktopWidth; }, [] { return 24; }};
        PreferencesPrompts& prompts = PreferencePrompts();
        prompts.warning = [this](QWidget*, const QString& text) { warnings.push_back(text); };
        prompts.error = [this](QWidget*, const QString& text) { errors.push_back(text); };
        prompts.chooseColour = [this](QWidget*, const QColor& start) {
            coloursOffered.push_back(start);
            if (playerAddsCustomColour) QColorDialog::setCustomColor(5, QColor(1, 2, 3));
            return colourAnswer;
        };
        prompts.choosePicture = [this](QWidget*, const PictureRequest& request) {
            requests.push_back(request);
            return pictureAnswer;
        };
        // Every test starts from the program's state before the preferences exist.
        CardImagery::FreeCardBitmaps();
        CardImagery::SetCardSize(CZ_LARGE);
        CardImagery::SetBackIndex(0);
    }
    ~PreferencesTest() override {
        dialog_.reset();
        CardImagery::FreeCardBitmaps();
        CardImagery::SetCardSize(CZ_LARGE);
        CardImagery::SetBackIndex(0);
        Shell() = savedShell_;
        DesktopDisplay() = savedDisplay_;
        PreferencePrompts() = savedPrompts_;
    }

    void Store(const std::map<std::string, std::string>& values) {
        TProfile profile("Preferences", Shell().settingsFile);
        for (const auto& [key, value] : values) profile.WriteText(key, value);
    }
    std::string Stored(const std::string& key) {
        TProfile profile("Preferences", Shell().settingsFile);
        profile.Entry = key;
        return profile.GetText();
    }
    // The "Preferences" lines of the settings file, as written.
    std::vector<std::string> PreferenceLines() const {
        std::istringstream file(ReadBytes(Shell().settingsFile));
        std::vector<std::string> lines;
        bool inSection = false;
        for (std::string line; std::getline(file, line);) {
            if (!line.empty() && line.front() == '[') {
                inSection = line == "[Preferences]";
                continue;
            }
            if (inSection && !line.empty()) lines.push_back(line);
        }
        return lines;
    }

    TPreferencesDlg& Create() {
        dialog_ = std::make_unique<TPreferencesDlg>();
        return *dialog_;
    }

    QString WriteFile(const std::string& name, const QByteArray& bytes) {
        const std::filesystem::path file = pictures_.Path() / name;
        WriteBytes(file,
                   std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        return PathOf(name);
    }
    QString PathOf(const std::string& name) const {
        return QString::fromStdString((pictures_.Path() / name).string());
    }

    // The player picks a file in the open dialog of one of the two Browse buttons.
    void Browse(QPushButton& button, const QString& file) {
        pictureAnswer = file;
        button.click();
    }

    int desktopWidth = 1280;
    std::vector<QString> warnings;
    std::vector<QString> errors;
    std::vector<int> helpTopics;
    std::vector<QColor> coloursOffered;
    std::optional<QColor> colourAnswer;
    bool playerAddsCustomColour = false;
    std::vector<PictureRequest> requests;
    QString pictureAnswer;

  private:
    ScratchFolder folder_;
    ScratchFolder pictures_;
    ShellServices savedShell_;
    DisplayProbe savedDisplay_;
    PreferencesPrompts savedPrompts_;
    std::unique_ptr<TPreferencesDlg> dialog_;
};

TEST_F(PreferencesTest, IsLaidOutWithTheProgramsTexts) {
    TPreferencesDlg& dialog = Create();
    EXPECT_EQ(dialog.windowTitle(), "Tablewise Preferences");
    EXPECT_EQ(dialog.size(), QSize(389, 272));
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(dialog.font().family(), "Arial");
    EXPECT_EQ(dialog.font().pixelSize(), 12);
    QTabWidget& pages = *dialog.PageControl1();
    ASSERT_EQ(pages.count(), 4);
    EXPECT_EQ(pages.tabText(0), "Card Back");
    EXPECT_EQ(pages.tabText(1), "Card Size");
    EXPECT_EQ(pages.tabText(2), "Game Background");
    EXPECT_EQ(pages.tabText(3), "Other");
    EXPECT_TRUE(dialog.OKBtn()->isDefault());
    EXPECT_EQ(dialog.OKBtn()->text(), "OK");
    EXPECT_EQ(dialog.HelpBtn()->text(), "&Help");

    for (int number = 1; number <= 4; ++number) {
        EXPECT_EQ(dialog.Image(number)->size(), QSize(80, 125));
        EXPECT_TRUE(dialog.RadioButton(number)->text().isEmpty());
        EXPECT_EQ(dialog.RadioButton(number)->toolTip(), "Select the card back to use");
    }
    EXPECT_TRUE(dialog.RadioButton(1)->isChecked());
    EXPECT_FALSE(dialog.RadioButton(4)->isEnabled());
    EXPECT_TRUE(dialog.Image(4)->pixmap().isNull());
    EXPECT_EQ(dialog.CustomBackNote()->text(), "Browse to select a Custom Image");
    EXPECT_EQ(dialog.BrowseButton()->toolTip(),
              "Click to browse the file system and\nfind a custom card back image");
    // The built-in backs show the dialog's face through their rounded corners.
    dialog.show();
    const QRgb face = dialog.palette().color(QPalette::Window).rgb();
    for (int number = 1; number <= 3; ++number) {
        const QImage back = Shown(*dialog.Image(number));
        for (QPoint corner :
             {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(79, 124), QPoint(78, 124)})
            EXPECT_EQ(back.pixel(corner), face) << number;
        EXPECT_NE(back.pixel(40, 62), face);
    }

    RadioGroup& size = *dialog.RadioGroup1();
    ASSERT_EQ(size.Count(), 2);
    EXPECT_EQ(size.Item(0)->text(), "Use small cards (all games fit on 800x600 display)");
    EXPECT_EQ(size.Item(1)->text(), "Use large cards (requires a 1024x768 or larger display)");
    EXPECT_EQ(size.toolTip(),
              "This preference does not take effect until\nthe current game window is closed");
    const auto notes = pages.widget(1)->findChildren<QLabel*>();
    ASSERT_EQ(notes.size(), 1);
    EXPECT_EQ(notes.front()->text(),
              "This preference does not take effect until the current\ngame window is closed.");

    EXPECT_EQ(dialog.RadioGroup2()->title(), " Select Type ");
    EXPECT_EQ(dialog.RadioGroup2()->Item(2)->text(), "Tiled Image");
    EXPECT_EQ(dialog.RadioGroup3()->title(), " Direction ");
    EXPECT_EQ(dialog.RadioGroup3()->Item(1)->text(), "Horizontal Gradient");
    EXPECT_EQ(dialog.Panel(1)->toolTip(), "Click for a dialog to select a new color");
    EXPECT_EQ(dialog.Panel(3)->toolTip(), "Click for a dialog to select a color");
    EXPECT_EQ(dialog.Panel(1)->size(), QSize(25, 25));
    EXPECT_EQ(dialog.Image(5)->size(), QSize(201, 137));
    EXPECT_EQ(dialog.Label6()->text(), "Browse to select an Image");
    EXPECT_EQ(dialog.Button1()->toolTip(),
              "Click to browse the file system and\nfind a custom background image");

    EXPECT_EQ(dialog.CheckBox1()->text(), "Enable Sounds");
    EXPECT_EQ(dialog.CheckBox5()->text(), "Perform Animation on Deals");
    EXPECT_EQ(dialog.CheckBox2()->text(), "Minimize to Tray in Taskbar");
}

TEST_F(PreferencesTest, EveryWayOfClosingWritesTheTenKeysInOrder) {
    struct Case {
        const char* how;
        std::function<void(TPreferencesDlg&)> close;
    };
    const Case cases[] = {
        {"OK", [](TPreferencesDlg& dialog) { QTest::mouseClick(dialog.OKBtn(), Qt::LeftButton); }},
        {"close box", [](TPreferencesDlg& dialog) { dialog.close(); }},
        {"Escape", [](TPreferencesDlg& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        std::filesystem::remove(Shell().settingsFile);
        Store({{"CardSize", "1"}, {"DoSound", "False"}});
        TPreferencesDlg& dialog = Create();
        dialog.show();
        dialog.RadioButton(2)->click();
        dialog.CheckBox1()->click();  // sounds back on
        dialog.CheckBox5()->click();  // no deal animation
        dialog.CheckBox2()->click();  // tray mode
        dialog.RadioGroup1()->Item(0)->click();
        dialog.RadioGroup2()->Item(1)->click();
        EXPECT_EQ(dialog.PageControl2()->currentIndex(), 1);
        dialog.RadioGroup3()->Item(1)->click();
        colourAnswer = QColor(0, 128, 0);
        QTest::mouseClick(dialog.Panel(2), Qt::LeftButton);
        colourAnswer = QColor(0x12, 0x34, 0x56);
        QTest::mouseClick(dialog.Panel(3), Qt::LeftButton);
        // Only what the dialog keeps on closing goes into the file from here on.
        std::filesystem::remove(Shell().settingsFile);

        c.close(dialog);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(
            PreferenceLines(),
            (std::vector<std::string>{
                "BackgroundColor=$00004000", "BackIndex=1", "DoAnimation=False", "DoSound=True",
                "MinimizeToTray=True", "CardSize=0", "BackgroundIndex=1",
                "GradientStartColor=clGreen", "GradientEndColor=$00563412", "GradientIndex=1"}));
        EXPECT_EQ(dialog.BackIndex, 1);
        EXPECT_EQ(CardImagery::GetBackIndex(), 1);
        EXPECT_TRUE(dialog.CardSizeChanged);
        // The open game keeps its cards; the launcher switches the size for the next one.
        EXPECT_EQ(CardImagery::GetCardSize(), CZ_LARGE);
    }
}

TEST_F(PreferencesTest, CardSizeChangedStaysClearWhileTheSizeStays) {
    Store({{"CardSize", "0"}});
    TPreferencesDlg& dialog = Create();
    EXPECT_EQ(CardImagery::GetCardSize(), CZ_SMALL);
    dialog.show();
    dialog.RadioGroup1()->Item(1)->click();
    dialog.RadioGroup1()->Item(0)->click();
    dialog.close();
    EXPECT_FALSE(dialog.CardSizeChanged);
    EXPECT_EQ(Stored("CardSize"), "0");
}

TEST_F(PreferencesTest, FirstStartChoosesTheCardSizeByTheDesktopWidthAndWritesItAtOnce) {
    struct Case {
        int width;
        const char* stored;
        _CardSize size;
    };
    for (const Case& c : {Case{800, "0", CZ_SMALL}, Case{801, "1", CZ_LARGE}}) {
        SCOPED_TRACE(c.width);
        std::filesystem::remove(Shell().settingsFile);
        desktopWidth = c.width;
        TPreferencesDlg& dialog = Create();
        EXPECT_EQ(Stored("CardSize"), c.stored);
        EXPECT_EQ(dialog.RadioGroup1()->ItemIndex(), int(c.size));
        EXPECT_EQ(CardImagery::GetCardSize(), c.size);
        // Everything else is the program's default.
        EXPECT_TRUE(dialog.CheckBox1()->isChecked());
        EXPECT_TRUE(dialog.CheckBox5()->isChecked());
        EXPECT_FALSE(dialog.CheckBox2()->isChecked());
        EXPECT_EQ(dialog.RadioGroup2()->ItemIndex(), 0);
        EXPECT_EQ(dialog.Panel(1)->Colour(), QColor(0, 64, 0));
        EXPECT_EQ(dialog.Panel(3)->Colour(), QColor(Qt::black));
        EXPECT_EQ(PreferenceLines().size(), 1u);
    }
}

TEST_F(PreferencesTest, StoredPreferencesShowInTheControls) {
    Store({{"BackIndex", "2"},
           {"CardSize", "1"},
           {"BackgroundIndex", "2"},
           {"GradientIndex", "1"},
           {"BackgroundColor", "clRed"},
           {"GradientStartColor", "$00112233"},
           {"GradientEndColor", "clWhite"},
           {"DoAnimation", "False"},
           {"DoSound", "False"},
           {"MinimizeToTray", "True"}});
    TPreferencesDlg& dialog = Create();
    EXPECT_TRUE(dialog.RadioButton(3)->isChecked());
    EXPECT_EQ(CardImagery::GetBackIndex(), 2);
    EXPECT_EQ(dialog.RadioGroup2()->ItemIndex(), 2);
    EXPECT_EQ(dialog.PageControl2()->currentIndex(), 2);
    EXPECT_EQ(dialog.RadioGroup3()->ItemIndex(), 1);
    EXPECT_EQ(dialog.Panel(1)->Colour(), QColor(255, 0, 0));
    EXPECT_EQ(dialog.Panel(2)->Colour(), QColor(0x33, 0x22, 0x11));
    EXPECT_EQ(dialog.Panel(3)->Colour(), QColor(Qt::white));
    EXPECT_FALSE(dialog.CheckBox5()->isChecked());
    EXPECT_FALSE(dialog.CheckBox1()->isChecked());
    EXPECT_TRUE(dialog.CheckBox2()->isChecked());
    EXPECT_TRUE(dialog.MinimizeToTray);
}

TEST_F(PreferencesTest, ValuesTheProgramHasNoUseForReadAsDefaults) {
    // A back without a picture, a size the launcher cannot open, types that do not exist.
    for (const char* back : {"3", "7", "-1"}) {
        SCOPED_TRACE(back);
        std::filesystem::remove(Shell().settingsFile);
        Store({{"BackIndex", back},
               {"CardSize", "5"},
               {"BackgroundIndex", "9"},
               {"GradientIndex", "4"}});
        TPreferencesDlg& dialog = Create();
        EXPECT_EQ(dialog.BackIndex, 0);
        EXPECT_EQ(CardImagery::GetBackIndex(), 0);
        EXPECT_TRUE(dialog.RadioButton(1)->isChecked());
        EXPECT_EQ(dialog.CardSize, 1);
        EXPECT_EQ(dialog.BackgroundIndex, 0);
        EXPECT_EQ(dialog.GradientIndex, 0);
        dialog.show();
        dialog.close();
        EXPECT_EQ(Stored("BackIndex"), "0");
        EXPECT_EQ(Stored("CardSize"), "1");
        EXPECT_FALSE(dialog.CardSizeChanged);
    }
}

TEST_F(PreferencesTest, ColourSwatchesStoreTheirColourAndAlwaysTheCustomColours) {
    Store({{"CardSize", "1"},
           {"CustomColors",
            "ColorA=0000FF,ColorB=FF0000,ColorC=00FF00,ColorD=FFFFFF,ColorE=FFFFFF,ColorF=FFFFFF,"
            "ColorG=FFFFFF,ColorH=FFFFFF,ColorI=FFFFFF,ColorJ=FFFFFF,ColorK=FFFFFF,ColorL=FFFFFF,"
            "ColorM=FFFFFF,ColorN=FFFFFF,ColorO=FFFFFF,ColorP=123456"}});
    TPreferencesDlg& dialog = Create();
    // Read back into the colour dialog: 0x00BBGGRR.
    EXPECT_EQ(QColorDialog::customColor(0), QColor(255, 0, 0));
    EXPECT_EQ(QColorDialog::customColor(1), QColor(0, 0, 255));
    EXPECT_EQ(QColorDialog::customColor(15), QColor(0x56, 0x34, 0x12));

    // The player adds a custom colour and cancels: the swatch keeps its colour, the
    // custom colours are stored all the same.
    playerAddsCustomColour = true;
    colourAnswer.reset();
    QTest::mouseClick(dialog.Panel(1), Qt::LeftButton);
    ASSERT_EQ(coloursOffered.size(), 1u);
    EXPECT_EQ(coloursOffered.front(), QColor(0, 64, 0));
    EXPECT_EQ(dialog.Panel(1)->Colour(), QColor(0, 64, 0));
    EXPECT_EQ(dialog.BackgroundColor, 0x004000u);
    EXPECT_EQ(Stored("CustomColors"),
              "ColorA=0000FF,ColorB=FF0000,ColorC=00FF00,ColorD=FFFFFF,ColorE=FFFFFF,ColorF=030201,"
              "ColorG=FFFFFF,ColorH=FFFFFF,ColorI=FFFFFF,ColorJ=FFFFFF,ColorK=FFFFFF,ColorL=FFFFFF,"
              "ColorM=FFFFFF,ColorN=FFFFFF,ColorO=FFFFFF,ColorP=123456");
    EXPECT_EQ(Stored("BackgroundColor"), "None");

    // A chosen colour goes to the swatch and the field it stands for at once.
    struct Case {
        int panel;
        std::uint32_t PreferenceValues::*field;
    };
    for (const Case& c : {Case{1, &PreferenceValues::BackgroundColor},
                          Case{2, &PreferenceValues::GradientStartColor},
                          Case{3, &PreferenceValues::GradientEndColor}}) {
        SCOPED_TRACE(c.panel);
        colourAnswer = QColor(10 * c.panel, 20, 30);
        QTest::mouseClick(dialog.Panel(c.panel), Qt::LeftButton);
        EXPECT_EQ(dialog.Panel(c.panel)->Colour(), *colourAnswer);
        EXPECT_EQ(dialog.*c.field,
                  (30u << 16) | (20u << 8) | static_cast<std::uint32_t>(10 * c.panel));
    }
}

TEST_F(PreferencesTest, ShowModalWaitsForThePlayerAndKeepsWhatTheDialogShows) {
    Store({{"CardSize", "1"}});
    TPreferencesDlg& dialog = Create();
    QWidget game;
    game.show();
    bool wasModal = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QApplication::activeModalWidget() != &dialog) return;
        poll.stop();
        wasModal = true;
        dialog.CheckBox2()->click();
        dialog.close();
    });
    poll.start();
    dialog.ShowModal(&game);
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Stored("MinimizeToTray"), "True");
    EXPECT_TRUE(dialog.MinimizeToTray);
}

TEST_F(PreferencesTest, HelpButtonAndF1OpenThePreferencesTopic) {
    TPreferencesDlg& dialog = Create();
    dialog.show();
    dialog.HelpBtn()->click();
    QTest::keyClick(dialog.CheckBox1(), Qt::Key_F1);
    EXPECT_EQ(helpTopics, (std::vector<int>{502, 502}));
    EXPECT_TRUE(dialog.isVisible());
}

// The custom back from every kind of file, at both card sizes.
TEST_F(PreferencesTest, ACustomBackFromAnyPictureBecomesBackThreeAtTheCardSize) {
    struct Source {
        std::string name;
        QByteArray bytes;
    };
    const QImage picture = Plain(kPictureColour);
    const Source sources[] = {
        {"back.bmp", Encoded(picture, "bmp")},
        // A mixed-case extension goes to the decoder, which reads what the bitmap reader could not.
        {"back.Bmp", Encoded(picture, "jpeg")},
        {"back.jpg", Encoded(picture, "jpeg")},
        {"back.JPEG", Encoded(picture, "jpeg")},
        {"back.pcx", PcxOf(picture)},
    };
    for (_CardSize size : {CZ_LARGE, CZ_SMALL}) {
        for (const Source& source : sources) {
            SCOPED_TRACE(source.name + (size == CZ_LARGE ? " large" : " small"));
            std::filesystem::remove(Shell().settingsFile);
            CardImagery::FreeCardBitmaps();
            Store({{"CardSize", size == CZ_LARGE ? "1" : "0"}});
            TPreferencesDlg& dialog = Create();
            const QString path = WriteFile(source.name, source.bytes);
            Browse(*dialog.BrowseButton(), path);

            EXPECT_TRUE(warnings.empty());
            EXPECT_TRUE(errors.empty());
            EXPECT_EQ(Stored("CustomImage"), path.toStdString());
            EXPECT_TRUE(dialog.RadioButton(4)->isEnabled());
            EXPECT_TRUE(dialog.RadioButton(4)->isChecked());
            EXPECT_EQ(dialog.BackIndex, 3);
            EXPECT_EQ(CardImagery::GetBackIndex(), 3);

            const ImageList& backs = *CardImagery::GetBackImageList();
            ASSERT_EQ(backs.Count(), 4);
            const QImage back = backs.Pixmap(3).toImage();
            const CardDimensions card = DimensionsOf(size);
            EXPECT_EQ(back.size(), QSize(card.width, card.height));
            EXPECT_TRUE(Near(back.pixel(card.width / 2, card.height / 2), kPictureColour));
            EXPECT_EQ(qAlpha(back.pixel(0, 0)), 0) << "the table shows through the corner";

            const QImage preview = Shown(*dialog.Image(4));
            EXPECT_EQ(preview.size(), QSize(80, 125));
            EXPECT_TRUE(Near(preview.pixel(40, 62), kPictureColour));
            EXPECT_EQ(preview.pixel(0, 0), dialog.palette().color(QPalette::Window).rgb());
        }
    }
}

TEST_F(PreferencesTest, AStoredCustomBackIsBuiltAtStartAndChosenOnlyWhenBackThreeWas) {
    const QString path = WriteFile("back.bmp", Encoded(Plain(kPictureColour), "bmp"));
    for (const char* back : {"3", "1"}) {
        SCOPED_TRACE(back);
        CardImagery::FreeCardBitmaps();
        Store({{"CardSize", "1"}, {"BackIndex", back}, {"CustomImage", path.toStdString()}});
        TPreferencesDlg& dialog = Create();
        EXPECT_TRUE(dialog.RadioButton(4)->isEnabled());
        EXPECT_EQ(dialog.RadioButton(4)->isChecked(), back == std::string("3"));
        EXPECT_EQ(CardImagery::GetBackIndex(), std::stoi(back));
        EXPECT_EQ(CardImagery::GetBackImageList()->Count(), 4);
        EXPECT_EQ(Stored("CustomImage"), path.toStdString());
    }
}

TEST_F(PreferencesTest, MissingPicturesWarnOnceAndFallBack) {
    const QString back = PathOf("gone.bmp");
    const QString table = PathOf("gone.jpg");
    Store({{"CardSize", "1"},
           {"BackIndex", "3"},
           {"CustomImage", back.toStdString()},
           {"BackgroundIndex", "2"},
           {"BackgroundImage", table.toStdString()}});
    TPreferencesDlg& dialog = Create();
    EXPECT_EQ(warnings,
              (std::vector<QString>{"The custom card back image " + back + " was not found.",
                                    "The game background image " + table + " was not found."}));
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(Stored("CustomImage"), "None");
    EXPECT_EQ(Stored("BackgroundImage"), "None");
    EXPECT_TRUE(dialog.RadioButton(1)->isChecked());
    EXPECT_FALSE(dialog.RadioButton(4)->isEnabled());
    EXPECT_EQ(dialog.BackIndex, 0);
    EXPECT_EQ(CardImagery::GetBackIndex(), 0);
    EXPECT_EQ(dialog.BackgroundIndex, 0);
    EXPECT_EQ(dialog.RadioGroup2()->ItemIndex(), 0);
    EXPECT_EQ(dialog.PageControl2()->currentIndex(), 0);
    EXPECT_FALSE(dialog.Label6()->isHidden());
    EXPECT_EQ(dialog.GetBackgroundPicture(), nullptr);

    // "None" is not a path: the next start is quiet.
    dialog.show();
    dialog.close();
    EXPECT_EQ(Stored("BackgroundIndex"), "0");
    warnings.clear();
    Create();
    EXPECT_TRUE(warnings.empty());
}

TEST_F(PreferencesTest, GifPicturesAreRefusedAndAStoredGifBackIsDroppedSilently) {
    const QString gif = WriteFile("back.gif", QByteArray("GIF89a") + QByteArray(40, '\0'));
    const QString capitalGif = WriteFile("table.GIF", QByteArray("GIF89a") + QByteArray(40, '\0'));
    const QString good = WriteFile("good.bmp", Encoded(Plain(kPictureColour), "bmp"));
    Store({{"CardSize", "1"}, {"BackIndex", "3"}, {"CustomImage", gif.toStdString()}});
    TPreferencesDlg& dialog = Create();
    EXPECT_TRUE(warnings.empty());
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(Stored("CustomImage"), "None");
    EXPECT_EQ(dialog.BackIndex, 0);
    EXPECT_TRUE(dialog.RadioButton(1)->isChecked());

    // Browsed, they are refused with a message and change nothing.
    Browse(*dialog.BrowseButton(), good);
    Browse(*dialog.Button1(), good);
    Browse(*dialog.BrowseButton(), gif);
    Browse(*dialog.Button1(), capitalGif);
    EXPECT_EQ(errors, (std::vector<QString>{"GIF images are not supported.",
                                            "GIF images are not supported."}));
    EXPECT_EQ(Stored("CustomImage"), good.toStdString());
    EXPECT_EQ(Stored("BackgroundImage"), good.toStdString());
    EXPECT_TRUE(dialog.RadioButton(4)->isChecked());
    EXPECT_NE(dialog.GetBackgroundPicture(), nullptr);
}

TEST_F(PreferencesTest, UnusablePicturesAreDroppedWithoutAWord) {
    const QImage picture = PatternPicture(64, 48);
    const QByteArray jpeg = Encoded(picture, "jpeg");
    QByteArray corruptJpeg = jpeg.left(20) + QByteArray(jpeg.size() - 20, '\x5A');
    const struct {
        std::string name;
        QByteArray bytes;
    } unusable[] = {
        {"corrupt.jpg", corruptJpeg},
        {"truncated.pcx", PcxOf(picture).left(PcxOf(picture).size() / 3)},
        {"oversized.bmp", HugeBmpHeader(60000, 60000)},
        {"empty.jpg", QByteArray()},
    };
    const QString good = WriteFile("good.bmp", Encoded(Plain(kPictureColour), "bmp"));
    Store({{"CardSize", "1"}});
    TPreferencesDlg& dialog = Create();
    for (const auto& file : unusable) {
        SCOPED_TRACE(file.name);
        const QString path = WriteFile(file.name, file.bytes);
        // A good back and table first, chosen: the unusable picture takes their place.
        Browse(*dialog.BrowseButton(), good);
        Browse(*dialog.Button1(), good);
        ASSERT_TRUE(dialog.RadioButton(4)->isChecked());

        Browse(*dialog.BrowseButton(), path);
        EXPECT_EQ(Stored("CustomImage"), "None");
        EXPECT_FALSE(dialog.RadioButton(4)->isEnabled());
        EXPECT_TRUE(dialog.RadioButton(1)->isChecked());
        EXPECT_EQ(CardImagery::GetBackIndex(), 0);
        EXPECT_TRUE(dialog.Image(4)->pixmap().isNull());

        Browse(*dialog.Button1(), path);
        EXPECT_EQ(Stored("BackgroundImage"), "None");
        EXPECT_EQ(dialog.GetBackgroundPicture(), nullptr);
        EXPECT_FALSE(dialog.Label6()->isHidden());
    }
    EXPECT_TRUE(warnings.empty());
    EXPECT_TRUE(errors.empty());
}

TEST_F(PreferencesTest, ATablePictureIsShownCentredAndGivenToTheGameWindows) {
    const QString path = WriteFile("table.pcx", PcxOf(PatternPicture(300, 200)));
    Store({{"CardSize", "1"}, {"BackgroundIndex", "2"}, {"BackgroundImage", path.toStdString()}});
    TPreferencesDlg& dialog = Create();
    const QPixmap* picture = dialog.GetBackgroundPicture();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->size(), QSize(300, 200));
    EXPECT_TRUE(dialog.Label6()->isHidden());
    EXPECT_EQ(dialog.RadioGroup2()->ItemIndex(), 2);
    // Larger than its place, the picture shows its middle: it overhangs by 99 and 63
    // pixels, about half of that on each side.
    dialog.PageControl1()->setCurrentIndex(2);
    const QImage shown = dialog.Image(5)->grab().toImage();
    const QImage original = PatternPicture(300, 200);
    const auto showsFrom = [&](QPoint offset) {
        for (QPoint at : {QPoint(0, 0), QPoint(100, 68), QPoint(200, 136)})
            if (shown.pixel(at) != original.pixel(at + offset)) return false;
        return true;
    };
    EXPECT_TRUE(showsFrom({49, 31}) || showsFrom({50, 31}) || showsFrom({49, 32}) ||
                showsFrom({50, 32}));
}

TEST_F(PreferencesTest, BrowsingStartsAtTheStoredFileWithTheFilterItsExtensionCalls) {
    struct Case {
        const char* stored;  // file made in the picture folder, or null for none
        QString filter;
    };
    for (const Case& c : {Case{"old.JPG", kImagesFilter}, Case{"old.pcx", kImagesFilter},
                          Case{"old.Bmp", kAllFilesFilter}, Case{"old.png", kAllFilesFilter},
                          Case{nullptr, kImagesFilter}}) {
        SCOPED_TRACE(c.stored ? c.stored : "none");
        std::filesystem::remove(Shell().settingsFile);
        Store({{"CardSize", "1"}});
        TPreferencesDlg& dialog = Create();
        if (c.stored != nullptr) {
            const QString path = WriteFile(c.stored, QByteArray("x"));
            Store({{"BackgroundImage", path.toStdString()}});
        }
        requests.clear();
        Browse(*dialog.Button1(), QString());
        ASSERT_EQ(requests.size(), 1u);
        const PictureRequest& request = requests.front();
        EXPECT_EQ(request.filters, (QStringList{kImagesFilter, kAllFilesFilter}));
        EXPECT_EQ(request.chosenFilter, c.filter);
        if (c.stored != nullptr) {
            EXPECT_EQ(request.folder, PathOf("").chopped(1));
            EXPECT_EQ(request.fileName, c.stored);
        } else {
            EXPECT_TRUE(request.fileName.isEmpty());
        }
        // Cancelled: nothing changes.
        EXPECT_EQ(Stored("BackgroundImage"),
                  c.stored != nullptr ? PathOf(c.stored).toStdString() : "None");
    }
}

TEST_F(PreferencesTest, AChangedCardSizeRebuildsTheCustomBackForTheNextGame) {
    const QString path = WriteFile("back.jpg", Encoded(Plain(kPictureColour), "jpeg"));
    Store({{"CardSize", "1"}, {"BackIndex", "3"}, {"CustomImage", path.toStdString()}});
    TPreferencesDlg& dialog = Create();
    ASSERT_EQ(CardImagery::GetBackImageList()->Count(), 4);

    // Without a change of size there is nothing to rebuild.
    dialog.RefreshCustomBack();
    EXPECT_EQ(CardImagery::GetBackImageList()->Pixmap(3).size(), QSize(80, 125));

    dialog.show();
    dialog.RadioGroup1()->Item(0)->click();
    dialog.OKBtn()->click();
    EXPECT_TRUE(dialog.CardSizeChanged);
    EXPECT_EQ(dialog.CardSize, 0);
    // The open game keeps its large back.
    EXPECT_EQ(CardImagery::GetBackImageList()->Pixmap(3).size(), QSize(80, 125));

    // What the launcher does before the next game window opens.
    CardImagery::SetCardSize(CZ_SMALL);
    EXPECT_EQ(CardImagery::GetBackImageList()->Count(), 3);
    dialog.RefreshCustomBack();
    const ImageList& backs = *CardImagery::GetBackImageList();
    ASSERT_EQ(backs.Count(), 4);
    const QImage back = backs.Pixmap(3).toImage();
    EXPECT_EQ(back.size(), QSize(61, 95));
    EXPECT_TRUE(Near(back.pixel(30, 47), kPictureColour));
    EXPECT_EQ(CardImagery::GetBackIndex(), 3);
    EXPECT_TRUE(dialog.RadioButton(4)->isChecked());
    EXPECT_TRUE(warnings.empty());
}

// Pictures of the four pages and of Klondike on the backgrounds they choose, for
// looking at: run with --gtest_also_run_disabled_tests; TABLEWISE_SHOTS names the folder.
TEST_F(PreferencesTest, DISABLED_SavesPicturesForReview) {
    const QString folder = qEnvironmentVariableIsSet("TABLEWISE_SHOTS")
                               ? qEnvironmentVariable("TABLEWISE_SHOTS")
                               : QDir::tempPath();
    QImage photo(160, 120, QImage::Format_RGB32);
    {
        QPainter painter(&photo);
        QLinearGradient sky(0, 0, 0, 120);
        sky.setColorAt(0, QColor(40, 90, 170));
        sky.setColorAt(1, QColor(230, 160, 80));
        painter.fillRect(photo.rect(), sky);
        painter.setBrush(QColor(250, 220, 90));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPoint(110, 40), 18, 18);
        painter.setBrush(QColor(30, 60, 30));
        painter.drawPolygon(QPolygon(
            {QPoint(0, 120), QPoint(50, 60), QPoint(90, 100), QPoint(130, 70), QPoint(160, 120)}));
    }
    QImage tile(64, 64, QImage::Format_RGB32);
    {
        tile.fill(QColor(70, 50, 35));
        QPainter painter(&tile);
        painter.setPen(QPen(QColor(95, 70, 48), 3));
        for (int y = 4; y < 64; y += 16) painter.drawLine(0, y, 64, y + 6);
    }
    const QString back = WriteFile("sunset.jpg", Encoded(photo, "jpeg"));
    const QString table = WriteFile("wood.pcx", PcxOf(tile));

    Store({{"CardSize", "1"},
           {"BackgroundIndex", "1"},
           {"GradientIndex", "0"},
           {"GradientStartColor", "$00206020"},
           {"GradientEndColor", "$00001000"},
           {"DoSound", "False"},
           {"DoAnimation", "False"}});
    TPreferencesDlg& dialog = Create();
    dialog.show();
    QApplication::processEvents();
    dialog.grab().save(folder + "/preferences-no-custom-back.png");
    Browse(*dialog.BrowseButton(), back);
    for (int page = 0; page < 4; ++page) {
        dialog.PageControl1()->setCurrentIndex(page);
        QApplication::processEvents();
        dialog.grab().save(folder + QStringLiteral("/preferences-page%1.png").arg(page + 1));
    }
    for (int type = 0; type <= 2; ++type) {
        dialog.PageControl1()->setCurrentIndex(2);
        dialog.RadioGroup2()->Item(type)->click();
        if (type == 2) Browse(*dialog.Button1(), table);
        QApplication::processEvents();
        dialog.grab().save(folder + QStringLiteral("/preferences-background%1.png").arg(type));
    }
    dialog.close();

    Shell().applyBackground = [](QWidget& window) {
        ApplyBackground(static_cast<GameWindow&>(window), *PreferencesDlg(),
                        PreferencesDlg()->GetBackgroundPicture());
    };
    Shell().dealAnimation = [] { return false; };
    for (int type = 1; type <= 2; ++type) {
        for (_CardSize size : {CZ_LARGE, CZ_SMALL}) {
            dialog.BackgroundIndex = type;
            CardImagery::SetCardSize(size);
            dialog.CardSizeChanged = true;
            dialog.RefreshCustomBack();
            shuffle::FixNextDealSeed(2026);
            GameWindow* window = OpenGameWindow(*FindGame("Klondike"), size);
            QApplication::processEvents();
            const QPixmap shot = window->grab();
            const QString name =
                QStringLiteral("/klondike-%1-%2")
                    .arg(type == 1 ? "gradient" : "tiled", size == CZ_LARGE ? "large" : "small");
            shot.save(folder + name + ".png");
            // The stock's corner, four times over: the table shows through the rounded back.
            shot.copy(QRect(QPoint(26, 6), QSize(30, 20) * shot.devicePixelRatio()))
                .scaled(QSize(240, 160) * shot.devicePixelRatio())
                .save(folder + name + "-corner.png");
            delete window;
        }
    }
}

}  // namespace
