#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/scratch_folder.h"
#include "services/profile.h"

namespace {

struct ProfileTest : ::testing::Test {
    ScratchFolder folder;
    std::filesystem::path file = folder.Path() / "Solitaire.ini";
    TProfile profile{"Klondike", file};
};

TEST_F(ProfileTest, NoneReadsLikeAMissingKeyForEveryReader) {
    WriteBytes(file, "[Klondike]\nDrawThree=None\nAutoplay=none\n");
    for (const char* key : {"DrawThree", "Missing"}) {
        EXPECT_EQ(profile.ReadText(key), std::nullopt) << key;
        EXPECT_EQ(profile.ReadInteger(key), std::nullopt) << key;
        EXPECT_EQ(profile.ReadBoolean(key), std::nullopt) << key;
        profile.Entry = key;
        EXPECT_EQ(profile.GetText(), "None");
        EXPECT_EQ(profile.GetValue(), 0);
        EXPECT_FALSE(profile.GetState());
    }
    // Only the exact spelling marks an absent value.
    EXPECT_EQ(profile.ReadBoolean("Autoplay"), false);
    EXPECT_EQ(profile.ReadText("Autoplay"), "none");
}

TEST_F(ProfileTest, TypedReadsConvertTheStoredText) {
    const struct {
        const char* stored;
        int value;
        bool state;
    } cases[] = {
        {"True", 1, true}, {"abc", 0, false}, {"17", 17, false}, {"-3", -3, false}, {"1", 1, true},
        {"yes", 1, true},  {"Yes", 1, true},  {"T", 0, false},   {"on", 0, false},  {"2", 2, false},
    };
    for (const auto& c : cases) {
        WriteBytes(file, std::string("[Klondike]\nKey=") + c.stored + "\n");
        profile.Entry = "key";
        EXPECT_EQ(profile.GetValue(), c.value) << c.stored;
        EXPECT_EQ(profile.GetState(), c.state) << c.stored;
        EXPECT_EQ(profile.ReadInteger("KEY"), c.value) << c.stored;
        EXPECT_EQ(profile.ReadBoolean("KEY"), c.state) << c.stored;
        EXPECT_EQ(profile.LastText(), c.stored);
    }
}

TEST_F(ProfileTest, WritesUseTheFixedSpellings) {
    profile.WriteInteger("GamesWon", -5);
    profile.WriteBoolean("DrawThree", true);
    profile.WriteBoolean("Autoplay", false);
    profile.WriteText("CustomImage", "/home/me/back.png");
    profile.WriteNone("AvgScore");
    EXPECT_EQ(ReadBytes(file),
              "[Klondike]\nGamesWon=-5\nDrawThree=True\nAutoplay=False\nCustomImage=/home/me/back.png\nAvgScore=None\n");
    EXPECT_EQ(profile.LastText(), "None");
}

TEST_F(ProfileTest, EveryReadSeesTheLatestWriteOfAnyInstance) {
    TProfile other("KLONDIKE", file);
    profile.WriteInteger("GamesAttempted", 1);
    EXPECT_EQ(other.ReadInteger("gamesattempted"), 1);
    other.WriteInteger("GamesAttempted", 2);
    EXPECT_EQ(profile.ReadInteger("GamesAttempted"), 2);
    WriteBytes(file, "[Klondike]\nGamesAttempted=9\n");  // edited behind their backs
    EXPECT_EQ(profile.ReadInteger("GamesAttempted"), 9);
}

TEST_F(ProfileTest, AnUnaddressedProfileNeitherReadsNorWrites) {
    WriteBytes(file, "[Klondike]\nKey=stored\n");
    profile.Entry = "Key";
    EXPECT_EQ(profile.GetText(), "stored");

    TProfile noSection({}, file);
    noSection.Entry = "Key";
    EXPECT_EQ(noSection.GetText(), "");
    EXPECT_FALSE(noSection.SetText("x"));

    profile.Entry.clear();
    EXPECT_EQ(profile.GetText(), "");
    EXPECT_EQ(profile.LastText(), "");
    EXPECT_FALSE(profile.SetValue(3));
    EXPECT_EQ(ReadBytes(file), "[Klondike]\nKey=stored\n");
}

TEST_F(ProfileTest, AFailedWriteKeepsTheLastText) {
    WriteBytes(folder.Path() / "blocker", "");
    TProfile blocked("Klondike", folder.Path() / "blocker" / "Solitaire.ini");
    blocked.Entry = "Key";
    EXPECT_EQ(blocked.GetText(), "None");
    EXPECT_FALSE(blocked.SetText("new"));
    EXPECT_EQ(blocked.LastText(), "None");
}

}  // namespace
