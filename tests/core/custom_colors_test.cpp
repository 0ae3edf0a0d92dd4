#include <gtest/gtest.h>

#include "services/custom_colors.h"

namespace {

TEST(CustomColors, WritesSixteenNamedEntriesInAtLeastSixUppercaseDigits) {
    CustomColorSet colours;
    colours[0] = 0x0000FF;
    colours[1] = 0xabcdef;
    colours[15] = 0x000001;
    EXPECT_EQ(TextFromCustomColors(colours),
              "ColorA=0000FF,ColorB=ABCDEF,ColorC=FFFFFF,ColorD=FFFFFF,ColorE=FFFFFF,ColorF=FFFFFF,"
              "ColorG=FFFFFF,ColorH=FFFFFF,ColorI=FFFFFF,ColorJ=FFFFFF,ColorK=FFFFFF,ColorL=FFFFFF,"
              "ColorM=FFFFFF,ColorN=FFFFFF,ColorO=FFFFFF,ColorP=000001");
    EXPECT_EQ(CustomColorsFromText(TextFromCustomColors(colours))[1], 0xABCDEFu);
}

TEST(CustomColors, AHandEditedValueKeepsTheEntriesThatStillRead) {
    const CustomColorSet colours = CustomColorsFromText(
        " colorb = 00ff00 ,ColorA=zz,ColorQ=000001,ColorC=1000000,ColorD=-1,Color=5,"
        "ColorE,ColorP=c0c0c0");
    EXPECT_EQ(colours[1], 0x00FF00u);
    EXPECT_EQ(colours[15], 0xC0C0C0u);
    for (int slot : {0, 2, 3, 4}) EXPECT_FALSE(colours[static_cast<std::size_t>(slot)]) << slot;
    EXPECT_FALSE(CustomColorsFromText("")[0]);
}

}  // namespace
