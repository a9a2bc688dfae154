// Colour building, splitting, conversion between models, mixing, harmonies and texts.
#include <gtest/gtest.h>

#include "engine/util/EngColor.h"
#include "engine/util/EngColorUtil.h"
#include "engine/util/EngRandom.h"

using engine::EngColor;
using engine::EngColorUtil;

namespace {
constexpr int32_t argb(uint32_t v) { return static_cast<int32_t>(v); }
}  // namespace

TEST(EngColorUtil, ModelConversions) {
    struct Case {
        const char* what;
        int32_t got, want;
    } cases[] = {
        {"HSV red", EngColorUtil::HSVtoARGB(0, 1, 1), argb(0xFFFF0000)},
        {"HSV hue 360 is no colour at all", EngColorUtil::HSVtoARGB(360, 1, 1), 0},
        {"HSB hue 360 wraps to red", EngColorUtil::makeFromHSBA(360, 1, 1), argb(0xFFFF0000)},
        {"HSV grey", EngColorUtil::HSVtoARGB(120, 0, 0.5), argb(0xFF7F7F7F)},
        {"HSV cyan", EngColorUtil::HSVtoARGB(180, 1, 1), argb(0xFF00FFFF)},
        {"HSB half alpha", EngColorUtil::makeFromHSBA(240, 1, 1, 0.5), argb(0x7F0000FF)},
        {"ARGB fraction alpha", EngColorUtil::makeFromARGB(1, 0x1FF, 2, 3), argb(0xFFFF0203)},
        {"24-bit", EngColorUtil::getColor24(1, 2, 3), 0x010203},
        {"mix black to white", EngColorUtil::interpolateColor(EngColor::BLACK, EngColor::WHITE, 2, 1),
         argb(0xFF7F7F7F)},
        {"mix with components drops alpha", EngColorUtil::interpolateColorWithRGB(argb(0xFF000000), 255, 255, 255, 2, 1),
         0x7F7F7F},
        {"mix components", EngColorUtil::interpolateRGB(0, 0, 0, 255, 255, 255, 2, 2), 0xFFFFFF},
        {"darken grey 100", EngColorUtil::darken(argb(0xFF646464)), argb(0xFF505050)},
        {"brighten black", EngColorUtil::brighten(argb(0xFF000000), 0.5), argb(0xFF7F7F7F)},
        {"complement of red", EngColorUtil::getComplementHarmony(EngColor::RED), argb(0xFF00FFFF)},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want) << c.what;

    auto hsv = EngColorUtil::RGBtoHSV(argb(0xFF00FF00));
    EXPECT_EQ(hsv.hue, 120);
    EXPECT_EQ(hsv.saturation, 1);
    EXPECT_EQ(hsv.lightness, 0.5);
    EXPECT_EQ(hsv.value, 0.5);
    EngColorUtil::HSBA given;
    auto hsb = EngColorUtil::getHSBA(argb(0xFF00FF00), &given);
    EXPECT_EQ(hsb.hue, 120);
    EXPECT_EQ(hsb.brightness, 1);
    EXPECT_EQ(hsb.saturation, 1);
    EXPECT_EQ(hsb.alpha, 1);
    EXPECT_EQ(given.hue, 120);
    auto parts = EngColorUtil::getARGB(argb(0x80FF0000));
    EXPECT_EQ(parts.red, 255);
    EXPECT_EQ(parts.green, 0);
    EXPECT_DOUBLE_EQ(parts.alpha, 0.502);
}

TEST(EngColorUtil, HarmoniesWheelAndTexts) {
    auto triad = EngColorUtil::getTriadicHarmony(EngColor::RED);
    EXPECT_EQ(triad.color2, EngColorUtil::HSVtoARGB(120, 1, 1));
    EXPECT_EQ(triad.color3, EngColorUtil::HSVtoARGB(240, 1, 1));
    auto analogous = EngColorUtil::getAnalogousHarmony(EngColor::RED);
    EXPECT_EQ(analogous.hue2, 329);
    EXPECT_EQ(analogous.hue3, 30);
    EXPECT_EQ(analogous.color1, EngColor::RED);
    auto wheel = EngColorUtil::getHSVColorWheel();
    ASSERT_EQ(wheel.size(), 360u);
    EXPECT_EQ(wheel[0], argb(0xFFFF0000));

    EXPECT_EQ(EngColorUtil::colorToHexString(10), "0A");
    EXPECT_EQ(EngColorUtil::colorToHexString(300), "C");
    EXPECT_EQ(EngColorUtil::ARGBtoHexString(EngColor::RED), "0xFFFF0000");
    EXPECT_EQ(EngColorUtil::ARGBtoWebString(EngColor::RED), "#FF0000");
    EXPECT_EQ(EngColorUtil::getColorInfo(EngColor::RED),
              "0xFFFF0000\nAlpha: 1 Red: 255 Green: 0 Blue: 0\nHue: 0 Saturation: 1 Lightnes: 0.5");
    EXPECT_EQ(EngColor::YELLOW_GREEN, argb(0xFFBFFF00));
    EXPECT_EQ(EngColor::GREEN, argb(0xFF008000));
}

TEST(EngRandom, ColoursPicksAndShuffles) {
    using engine::EngRandom;
    EngRandom::set_globalSeed(7);
    int32_t grey = EngRandom::color(0, 255, 1, true);
    EXPECT_EQ(EngColorUtil::getAlpha(grey), 255);
    EXPECT_EQ(EngColorUtil::getRed(grey), EngColorUtil::getGreen(grey));
    EXPECT_EQ(EngColorUtil::getRed(grey), EngColorUtil::getBlue(grey));
    int32_t afterGrey = EngRandom::_internalSeed;
    EngRandom::set_globalSeed(7);
    EngRandom::generate();
    EXPECT_EQ(EngRandom::_internalSeed, afterGrey);  // one draw serves all three components

    int32_t ext = EngRandom::colorExt(10, 10, 20, 20, 30, 30);
    EXPECT_EQ(ext, argb(0xFF0A141E));

    // Each roll takes exactly one draw; 0 never succeeds and 100 always does.
    for (int i = 0; i < 50; ++i) {
        EXPECT_FALSE(EngRandom::chanceRoll(0));
        EXPECT_TRUE(EngRandom::chanceRoll(100));
        EXPECT_EQ(EngRandom::sign(100), 1);
        EXPECT_EQ(EngRandom::weightedPick({0, 5, 0}), 1);
    }
    EngRandom::_intHelper = 42;
    int32_t state = EngRandom::_internalSeed;
    EXPECT_EQ(EngRandom::weightedPick({}), 42);
    EXPECT_EQ(EngRandom::_internalSeed, state);

    // Same seed, same shuffle; the elements are kept.
    std::vector<int> a{1, 2, 3, 4, 5}, b = a;
    EngRandom::set_globalSeed(99);
    EngRandom::shuffleArray(a, 10);
    EngRandom::set_globalSeed(99);
    EngRandom::shuffleArray(b, 10);
    EXPECT_EQ(a, b);
    std::vector<int> sorted = a;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<int>{1, 2, 3, 4, 5}));
    std::vector<int> c{1, 2};
    EngRandom::shuffleArray(c, -3);
    EXPECT_EQ(c, (std::vector<int>{1, 2}));
}
