// Bitmap fonts over the real back end: glyph cells found in a picture of glyph rows, the
// background cleared from the corner, descriptions of characters, measuring and tile records,
// and the font store.
#include <gtest/gtest.h>

#include <vector>

#include <pugixml.hpp>

#include "engine/EngG.h"
#include "engine/system/frontEnds/BitmapFrontEnd.h"
#include "engine/text/PxBitmapFont.h"
#include "framework/display/BitmapData.h"

using engine::EngG;
using engine::PxBitmapFont;
using framework::BitmapData;
using framework::Rectangle;
using runtime::make;
using runtime::Ref;

namespace {

constexpr int BG = static_cast<int>(0xFF203040);
constexpr int INK = static_cast<int>(0xFFFFFFFF);

// Row 1: cells 3x5 at (1,1), 4x7 at (6,1), a 5x5 ring at (12,1), 2x3 at (19,1); row 2 starts one
// pixel below the tallest (y 9): 3x4 at (1,9), 2x2 at (6,9).
Ref<BitmapData> glyphRows() {
    auto image = make<BitmapData>(24, 16, true, BG);
    auto box = [&](int x, int y, int w, int h) { image->fillRect(make<Rectangle>(x, y, w, h), INK); };
    box(1, 1, 3, 5);
    box(6, 1, 4, 7);
    box(12, 1, 5, 5);
    image->fillRect(make<Rectangle>(13, 2, 3, 3), BG);  // the hole of the ring
    box(19, 1, 2, 3);
    box(1, 9, 3, 4);
    box(6, 9, 2, 2);
    return image;
}

class PxBitmapFontNative : public ::testing::Test {
protected:
    void SetUp() override { EngG::staticInit(); }
    void TearDown() override { PxBitmapFont::clearStorage(); }
};

}  // namespace

TEST_F(PxBitmapFontNative, FindsCellsAndClearsTheConnectedBackground) {
    auto image = glyphRows();
    auto font = make<PxBitmapFont>();
    font->loadPixelizer(image, "abcdef");
    ASSERT_EQ(font->_tileRects.size(), 6u);
    const double expected[6][4] = {{1, 1, 3, 5}, {6, 1, 4, 7}, {12, 1, 5, 5}, {19, 1, 2, 3}, {1, 9, 3, 4}, {6, 9, 2, 2}};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const Rectangle& r = *font->_tileRects[i];
        EXPECT_EQ(r.x, expected[i][0]);
        EXPECT_EQ(r.y, expected[i][1]);
        EXPECT_EQ(r.width, expected[i][2]);
        EXPECT_EQ(r.height, expected[i][3]);
    }
    EXPECT_EQ(font->getFontHeight(), 7);
    EXPECT_EQ(font->get_numLetters(), 6);
    // The corner-connected background is transparent in the loaded picture itself; the ring's
    // hole keeps its colour.
    EXPECT_EQ(static_cast<uint32_t>(image->getPixel32(0, 0)) >> 24, 0u);
    EXPECT_EQ(static_cast<uint32_t>(image->getPixel32(23, 15)) >> 24, 0u);
    EXPECT_EQ(image->getPixel32(14, 3), BG);
    EXPECT_EQ(font->get_pixels(), image);
    EXPECT_EQ(font->cachedGraphics->useCount, 1);
    EXPECT_EQ(font->cachedGraphics->key, "font");
}

TEST_F(PxBitmapFontNative, SurplusCellsShareCodeZero) {
    auto font = make<PxBitmapFont>();
    font->loadPixelizer(glyphRows(), "ab");
    EXPECT_EQ(font->get_numLetters(), 6);
    ASSERT_TRUE(font->_glyphs.count(0));
    EXPECT_EQ(font->_glyphs[0]->xadvance, 2);  // the last cell wins
    EXPECT_EQ(font->_glyphs['b']->xadvance, 4);
    // A second font takes the next key.
    auto other = make<PxBitmapFont>();
    other->loadPixelizer(glyphRows(), "x");
    EXPECT_EQ(other->cachedGraphics->key, "font0");
}

TEST_F(PxBitmapFontNative, MeasuresAndRendersSkippingMissingGlyphs) {
    auto font = make<PxBitmapFont>();
    font->loadPixelizer(glyphRows(), "abcdef");
    EXPECT_EQ(font->getTextWidth("a"), 3);
    EXPECT_EQ(font->getTextWidth("ab", 2, 1.5), 13);  // floor(7 * 1.5 + 0.5) + 2
    EXPECT_EQ(font->getTextWidth("a?b", 2), 11);        // the missing glyph still counts as a gap
    std::vector<double> data;
    font->render(data, "a?b", 0xFFFFFF, 0xFF8000, 0, 10, 20, 1, 2, false);
    ASSERT_EQ(data.size(), 12u);
    EXPECT_EQ(data[1], 10);
    EXPECT_EQ(data[2], 20);
    EXPECT_DOUBLE_EQ(data[3], 1.0);
    EXPECT_DOUBLE_EQ(data[4], 128 / 255.0);
    EXPECT_DOUBLE_EQ(data[5], 0.0);
    EXPECT_EQ(data[7], 10 + 3 * 2 + 1);  // one advance times the scale, plus the spacing
    EXPECT_EQ(data[8], 20);
    EXPECT_NE(data[0], data[6]);
    std::vector<double> tinted;
    font->render(tinted, "a", 0x808080, 0xFFFFFF, 0, 0, 0, 0, 1);
    EXPECT_DOUBLE_EQ(tinted[3], 128 / 255.0);

    auto empty = make<PxBitmapFont>();
    empty->loadPixelizer(nullptr, "ab");
    EXPECT_EQ(empty->getTextWidth("abc", 3), 6);
    EXPECT_EQ(empty->getTextWidth("a", 3), 0);
}

TEST_F(PxBitmapFontNative, ReadsCharacterDescriptions) {
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(R"(<font><info face="x"/><chars count="3">
        <char id="32" x="0" y="0" width="0" height="0" xoffset="3" yoffset="9" xadvance="4"/>
        <char id="65" x="0" y="0" width="10" height="12" xoffset="2" yoffset="1" xadvance="8"/>
        <char id="66" x="10" y="0" width="6" height="12" xoffset="1" yoffset="2" xadvance="bad"/>
        </chars></font>)"));
    auto font = make<PxBitmapFont>();
    font->loadAngelCode(make<BitmapData>(32, 16, true, 0), doc);
    ASSERT_EQ(font->_glyphs.size(), 3u);
    const auto& space = *font->_glyphs[' '];
    EXPECT_EQ(space.xoffset, 3);
    EXPECT_EQ(space.yoffset, 1);
    EXPECT_EQ(space.xadvance, 4);
    const auto& a = *font->_glyphs['A'];
    EXPECT_EQ(a.xadvance, 10);
    EXPECT_EQ(a.xoffset, 0);
    EXPECT_EQ(a.yoffset, 1);
    EXPECT_EQ(font->_glyphs['B']->xadvance, 6);  // an unreadable advance is 0, below the width
    EXPECT_EQ(font->_glyphString, " AB");
    EXPECT_EQ(font->getFontHeight(), 14);

    pugi::xml_document none;
    none.load_string("<font><info/></font>");
    font->loadAngelCode(make<BitmapData>(4, 4), none);
    EXPECT_TRUE(font->_glyphs.empty());
}

TEST_F(PxBitmapFontNative, StoreReplacesAndClearDisposes) {
    auto first = make<PxBitmapFont>();
    first->loadPixelizer(glyphRows(), "a");
    auto second = make<PxBitmapFont>();
    second->loadPixelizer(glyphRows(), "b");
    PxBitmapFont::store("ui", first);
    PxBitmapFont::store("ui", second);
    EXPECT_EQ(PxBitmapFont::fetch("ui"), second);
    EXPECT_NE(first->cachedGraphics, nullptr);  // replaced, not disposed
    EXPECT_EQ(PxBitmapFont::fetch("none"), nullptr);
    PxBitmapFont::clearStorage();
    EXPECT_EQ(PxBitmapFont::fetch("ui"), nullptr);
    EXPECT_EQ(second->cachedGraphics, nullptr);
    EXPECT_EQ(second->glyphs(), nullptr);
    EXPECT_NE(first->cachedGraphics, nullptr);
    // The disposed font's graphic left the engine's cache with its last user.
    EXPECT_FALSE(EngG::bitmap->checkCache("font0"));
}
