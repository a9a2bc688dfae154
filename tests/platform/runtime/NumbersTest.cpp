#include "platform/runtime/Numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <unistd.h>
#include <cmath>
#include <limits>

using runtime::Numbers;

TEST(Numbers, TextUsesFifteenSignificantDigits) {
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        {0.0, "0"},          {-0.0, "-0"},         {1.0, "1"},
        {0.1, "0.1"},        {1.0 / 3.0, "0.333333333333333"},
        {2.5, "2.5"},        {-7.25, "-7.25"},     {1e21, "1e+21"},
        {123456789012345678.0, "1.23456789012346e+17"},
        {1e-7, "1e-07"},     {0.1 + 0.2, "0.3"},   {4294967296.0, "4294967296"},
        {std::nan(""), "NaN"},
        {std::numeric_limits<double>::infinity(), "Infinity"},
        {-std::numeric_limits<double>::infinity(), "-Infinity"},
    };
    for (const Case& c : cases) EXPECT_EQ(Numbers::toText(c.value), c.text) << c.value;
}

namespace {
// Switches LC_NUMERIC to a locale whose decimal mark is a comma: an installed one, else one
// built with localedef into a temporary folder. False when neither is possible.
bool useCommaLocale() {
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8"})
        if (std::setlocale(LC_NUMERIC, name)) return true;
    std::string dir = ::testing::TempDir() + "glv-locale-" + std::to_string(getpid());
    std::string command = "localedef -i de_DE -f UTF-8 '" + dir + "/de_DE.UTF-8' >/dev/null 2>&1";
    if (std::system(("mkdir -p '" + dir + "'").c_str()) != 0 || std::system(command.c_str()) != 0) return false;
    setenv("LOCPATH", dir.c_str(), 1);
    return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
}
}  // namespace

TEST(Numbers, TextIgnoresTheProcessLocale) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = old ? old : "C";
    if (!useCommaLocale()) GTEST_SKIP() << "no comma-decimal locale and localedef could not build one";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(Numbers::toText(2.5), "2.5");
    EXPECT_EQ(Numbers::toText(-0.125), "-0.125");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(Numbers, FloatToIntTruncatesAndKeepsLow32Bits) {
    struct Case {
        double value;
        int32_t expected;
    } cases[] = {
        {0.0, 0},
        {1.9, 1},
        {-1.9, -1},
        {2147483647.0, 2147483647},
        {2147483648.0, -2147483647 - 1},
        {4294967295.0, -1},
        {4294967296.0, 0},
        {4294967297.5, 1},
        {-2147483649.0, 2147483647},
        {1e19, 0},
        {std::nan(""), 0},
        {std::numeric_limits<double>::infinity(), 0},
    };
    for (const Case& c : cases) EXPECT_EQ(Numbers::floatToInt(c.value), c.expected) << c.value;
}

TEST(Numbers, ParseIntReadsSignHexAndStopsAtBadCharacter) {
    EXPECT_EQ(Numbers::parseInt("  42"), 42);
    EXPECT_EQ(Numbers::parseInt("-17abc"), -17);
    EXPECT_EQ(Numbers::parseInt("0x1F"), 31);
    EXPECT_EQ(Numbers::parseInt("0xFFFFFFFF"), -1);
    EXPECT_EQ(Numbers::parseInt("+7"), 7);
    EXPECT_FALSE(Numbers::parseInt("abc").has_value());
    EXPECT_FALSE(Numbers::parseInt("").has_value());
    EXPECT_EQ(Numbers::parseFloat(" 2.5e3x"), 2500.0);
    EXPECT_FALSE(Numbers::parseFloat("x").has_value());
}
