#include <gtest/gtest.h>

#include "services/preferences.h"
#include "services/profile.h"
#include "support/scratch_folder.h"

namespace {

struct PreferencesTest : ::testing::Test {
    ScratchFolder folder;
    TProfile profile{"Preferences", folder.Path() / "Solitaire.ini"};
};

TEST_F(PreferencesTest, AFirstStartTakesTheDefaultsAndWritesTheCardSizeForTheDesktop) {
    struct Case { int width; int cardSize; };
    for (const Case c : {Case{800, 0}, Case{801, 1}, Case{640, 0}, Case{1920, 1}}) {
        ScratchFolder fresh;
        TProfile first("Preferences", fresh.Path() / "Solitaire.ini");
        const PreferenceValues values = ReadPreferences(first, c.width);
        EXPECT_EQ(values.CardSize, c.cardSize) << c.width;
        EXPECT_EQ(first.ReadText("CardSize"), std::to_string(c.cardSize)) << c.width;
        EXPECT_EQ(values.BackgroundColor, 0x004000u);
        EXPECT_EQ(values.GradientEndColor, 0u);
        EXPECT_TRUE(values.DoSound);
        EXPECT_TRUE(values.DoAnimation);
        EXPECT_FALSE(values.MinimizeToTray);
        EXPECT_FALSE(values.CustomImage.has_value());
    }
}

TEST_F(PreferencesTest, StoredValuesWinAndNoneCountsAsAbsent) {
    profile.WriteText("CardSize", "0");
    profile.WriteText("BackIndex", "2");
    profile.WriteText("BackgroundColor", "clGreen");
    profile.WriteText("GradientStartColor", "$00FF0000");
    profile.WriteText("DoSound", "False");
    profile.WriteText("CustomImage", "None");
    profile.WriteText("BackgroundImage", "/home/player/felt.png");
    const PreferenceValues values = ReadPreferences(profile, 1920);
    EXPECT_EQ(values.CardSize, 0);
    EXPECT_EQ(values.BackIndex, 2);
    EXPECT_EQ(values.BackgroundColor, 0x008000u);
    EXPECT_EQ(values.GradientStartColor, 0xFF0000u);
    EXPECT_FALSE(values.DoSound);
    EXPECT_FALSE(values.CustomImage.has_value());
    EXPECT_EQ(values.BackgroundImage, "/home/player/felt.png");
}

TEST_F(PreferencesTest, EveryCloseWritesTheKeysInTheirOrder) {
    PreferenceValues values;
    values.BackgroundColor = 0x004000;
    values.GradientEndColor = 0x123456;
    values.MinimizeToTray = true;
    WritePreferences(profile, values);
    EXPECT_EQ(ReadBytes(folder.Path() / "Solitaire.ini"),
              "[Preferences]\nBackgroundColor=$00004000\nBackIndex=0\nDoAnimation=True\nDoSound=True\n"
              "MinimizeToTray=True\nCardSize=1\nBackgroundIndex=0\nGradientStartColor=$00004000\n"
              "GradientEndColor=$00123456\nGradientIndex=0\n");
}

}  // namespace
