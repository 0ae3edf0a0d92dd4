#include <gtest/gtest.h>

#include <tuple>

#include "support/scratch_folder.h"
#include "services/ini_file.h"
#include "services/placement.h"

namespace {

struct PlacementTest : ::testing::Test {
    ScratchFolder folder;
    std::filesystem::path file = folder.Path() / "Solitaire.ini";
};

TEST_F(PlacementTest, SavesTheFiveKeysInTheirFormats) {
    const WindowPlacement placement{0, 1, -1, -1, -8, -8, 10, 20, 690, 530, true};
    ASSERT_TRUE(SavePlacement(file, "sKlondike", placement));
    EXPECT_EQ(ReadBytes(file),
              "[sKlondike]\nFlags=0\nShowCmd=1\nMinMaxPos=-1,-1,-8,-8\nNormPos=10,20,690,530\nVisible=1\n");

    const auto loaded = LoadPlacement(file, "SKLONDIKE");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(std::tie(loaded->flags, loaded->showCmd, loaded->minX, loaded->minY, loaded->maxX, loaded->maxY,
                       loaded->left, loaded->top, loaded->right, loaded->bottom, loaded->visible),
              std::tie(placement.flags, placement.showCmd, placement.minX, placement.minY, placement.maxX,
                       placement.maxY, placement.left, placement.top, placement.right, placement.bottom,
                       placement.visible));
}

TEST_F(PlacementTest, NormalRectangleMustBeFourIntegers) {
    for (const char* bad : {"None", "", "1,2,3", "1,2,3,4,5", "a,b,c,d", "1,,3,4", "1,2,3,4,"}) {
        ASSERT_TRUE(IniFile(file).Write("Golf", "NormPos", bad));
        EXPECT_FALSE(LoadPlacement(file, "Golf")) << bad;
    }
    EXPECT_FALSE(LoadPlacement(file, "Spider")) << "no section at all";

    ASSERT_TRUE(IniFile(file).Write("Golf", "NormPos", " 5, 6 ,700,500"));
    const auto loaded = LoadPlacement(file, "Golf");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->left, 5);
    EXPECT_EQ(loaded->top, 6);
    EXPECT_EQ(loaded->right, 700);
    EXPECT_EQ(loaded->bottom, 500);
    EXPECT_EQ(loaded->showCmd, 1) << "missing keys keep their defaults";
    EXPECT_FALSE(loaded->visible);
}

}  // namespace
