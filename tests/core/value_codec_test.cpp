#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <limits>

#include "services/value_codec.h"

namespace {

TEST(ValueCodecTest, IntegersFallBackToTheBooleanRule) {
    const struct {
        const char* text;
        int expected;
    } cases[] = {
        {"42", 42}, {"-7", -7}, {"+3", 3}, {"0", 0},
        {"True", 1}, {"yes", 1}, {"None", 0}, {"abc", 0}, {"", 0}, {"False", 0},
        {"12abc", 0}, {"+-5", 0}, {"99999999999", 0}, {"2147483647", 2147483647},
    };
    for (const auto& c : cases) EXPECT_EQ(IntegerFromText(c.text), c.expected) << c.text;
    EXPECT_EQ(TextFromInteger(-12), "-12");
}

TEST(ValueCodecTest, BooleansAreTrueOnlyForTrueYesOrOne) {
    for (const char* text : {"TRUE", "True", "true", "yes", "Yes", "YES", "1"}) {
        EXPECT_TRUE(BooleanFromText(text)) << text;
    }
    for (const char* text : {"T", "on", "2", "False", "None", "", "01", " 1", "yess"}) {
        EXPECT_FALSE(BooleanFromText(text)) << text;
    }
    EXPECT_EQ(TextFromBoolean(true), "True");
    EXPECT_EQ(TextFromBoolean(false), "False");
}

TEST(ValueCodecTest, ColoursAreWrittenByNameOrDollarHex) {
    const struct {
        std::uint32_t color;
        const char* text;
    } cases[] = {
        {0x004000, "$00004000"},   // the default table green has no name
        {0x008000, "clGreen"},
        {0x000000, "clBlack"},
        {0xFFFFFF, "clWhite"},
        {0xFF00FF, "clFuchsia"},
        {0xABCDEF, "$00ABCDEF"},
        {0x80000000, "clScrollBar"},
        {0x8000000F, "clBtnFace"},
        {0x80000018, "clInfoBk"},
        {0x80000019, "$80000019"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextFromColor(c.color), c.text);
        EXPECT_EQ(ColorFromText(c.text), c.color) << c.text;
    }
}

TEST(ValueCodecTest, EveryNamedColourReadsBack) {
    int named = 0;
    // The plain names all use channel levels 0, 0x80, 0xC0 and 0xFF.
    const std::uint32_t levels[] = {0x00, 0x80, 0xC0, 0xFF};
    for (const std::uint32_t red : levels) {
        for (const std::uint32_t green : levels) {
            for (const std::uint32_t blue : levels) {
                const std::uint32_t plain = red | green << 8 | blue << 16;
                const std::string text = TextFromColor(plain);
                if (text.rfind("cl", 0) == 0) ++named;
                EXPECT_EQ(ColorFromText(text), plain) << text;
            }
        }
    }
    for (std::uint32_t system = 0x80000000; system < 0x80000020; ++system) {
        const std::string text = TextFromColor(system);
        if (text.rfind("cl", 0) == 0) ++named;
        EXPECT_EQ(ColorFromText(text), system) << text;
    }
    EXPECT_EQ(named, 41);
}

TEST(ValueCodecTest, ColoursReadFromNamesNumbersAndHex) {
    EXPECT_EQ(ColorFromText("clgreen"), 0x008000u);
    EXPECT_EQ(ColorFromText("16384"), 0x004000u);
    EXPECT_EQ(ColorFromText("$ff"), 0xFFu);
    EXPECT_EQ(ColorFromText("-2147483648"), 0x80000000u);
    for (const char* bad : {"", "$", "$-1", "$123456789", "green", "4294967296", "12 "}) {
        EXPECT_EQ(ColorFromText(bad), std::nullopt) << bad;
    }
}

TEST(DayNumberTest, CountsDaysFromTheLastDaysOf1899) {
    EXPECT_EQ(DayNumberFromDate(1899, 12, 30), 0);
    EXPECT_EQ(DayNumberFromDate(1900, 1, 1), 2);
    EXPECT_EQ(DayNumberFromDate(2000, 1, 1), 36526);
}

TEST(DayNumberTest, WrittenWithFifteenDigitsAndAPoint) {
    EXPECT_EQ(TextFromDayNumber(46337.5), "46337.5");
    EXPECT_EQ(TextFromDayNumber(46337.0), "46337");
    EXPECT_EQ(TextFromDayNumber(46337.0 + 17.5 / 24), "46337.7291666667");
}

TEST(DayNumberTest, ReadsWithEitherDecimalSeparator) {
    EXPECT_EQ(DayNumberFromText("46337.5"), 46337.5);
    EXPECT_EQ(DayNumberFromText("46337,5"), 46337.5);
    EXPECT_EQ(DayNumberFromText(" 46337 "), 46337.0);
    EXPECT_EQ(DayNumberFromText("-1.25"), -1.25);
    for (const char* bad : {"None", "", "1,2.3", "1,2,3", "inf", "nan", "12/11/2026", "46337.5x"}) {
        EXPECT_EQ(DayNumberFromText(bad), std::nullopt) << bad;
    }
    const double now = LocalNowDayNumber();
    EXPECT_NEAR(DayNumberFromText(TextFromDayNumber(now)).value_or(0), now, 1e-9) << "round trip";
}

TEST(DayNumberTest, NowIsTodaysLocalDate) {
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    const double now = LocalNowDayNumber();
    EXPECT_EQ(std::floor(now), DayNumberFromDate(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                                                 static_cast<unsigned>(local.tm_mday)));
    const double secondOfDay = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
    EXPECT_NEAR((now - std::floor(now)) * 86400.0, secondOfDay, 2.0);
}

TEST(DayNumberTest, ShortDateShowsTheDayPart) {
    // The tests run in the C locale, whose short date is month/day/year.
    EXPECT_EQ(FormatShortDate(DayNumberFromDate(2026, 12, 11) + 0.75), "12/11/2026");
    EXPECT_EQ(FormatShortDate(DayNumberFromDate(2024, 2, 29)), "02/29/2024");
    EXPECT_EQ(FormatShortDate(-0.5), "12/30/1899");
    EXPECT_EQ(FormatShortDate(-1.25), "12/29/1899");
    EXPECT_EQ(FormatShortDate(std::numeric_limits<double>::quiet_NaN()), "");
    EXPECT_EQ(FormatShortDate(1e300), "");
}

}  // namespace
