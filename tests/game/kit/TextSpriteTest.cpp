// The fifteen bitmap fonts, glyph cells and colour variants; text layout, wrapping, centring,
// markup, flattening and the shared bitmap cache.
#include "KitFixture.h"
#include "framework/assets/Assets.h"
#include "framework/display/Bitmap.h"

using game::SpriteFont;
using game::TextSprite;
using runtime::make;
using runtime::Ref;

namespace {
std::string rect(const Ref<framework::Rectangle>& r) {
    return std::to_string(static_cast<int>(r->x)) + "," + std::to_string(static_cast<int>(r->y)) + "," +
           std::to_string(static_cast<int>(r->width)) + "," + std::to_string(static_cast<int>(r->height));
}
int indexOf(char c) { return SpriteFont::glyphIndex(std::string(1, c), 0); }
uint32_t px(const Ref<framework::BitmapData>& b, int x, int y) { return static_cast<uint32_t>(b->getPixel32(x, y)); }

Ref<TextSprite> animatedText(const Ref<SpriteFont>& font, const char* text, bool wrap = false, int width = -1,
                             bool centered = false) {
    return make<TextSprite>(font, text, wrap, width, 2, centered, 0, true);
}
}  // namespace

using TextSpriteTest = KitFixture;

TEST_F(TextSpriteTest, GlyphCellsFollowTheEdgeTables) {
    const auto& f = *TextSprite::MEDIEVAL_SANS_14;
    const std::pair<char, const char*> cells[] = {
        {'A', "0,0,11,14"}, {'B', "11,0,8,14"}, {'a', "0,14,7,14"}, {'0', "0,28,9,14"}, {'"', "203,28,6,14"}};
    for (auto [c, expected] : cells) EXPECT_EQ(rect(f.glyphCell(indexOf(c))), expected) << c;
    EXPECT_EQ(rect(TextSprite::MEDIEVAL_SANS_14_OUTLINE->glyphCell(indexOf('"'))), "232,32,7,16");
    EXPECT_EQ(rect(TextSprite::MEDIEVAL_SANS_14_OUTLINE->glyphCell(indexOf('\''))), "228,32,4,16");
    for (const char* none : {" ", "\n", "\xC3\xA9", "~"}) EXPECT_EQ(SpriteFont::glyphIndex(none, 0), -1) << none;
}

TEST_F(TextSpriteTest, FontsAreNumberedInTableOrderAndColourVariantsRepaintACopy) {
    const Ref<SpriteFont> fonts[] = {
        TextSprite::MEDIEVAL_SANS_14,
        TextSprite::MEDIEVAL_SANS_14_OUTLINE,
        TextSprite::MEDIEVAL_SANS_14_OUTLINE_RED,
        TextSprite::MEDIEVAL_SANS_14_OUTLINE_GREEN,
        TextSprite::MEDIEVAL_SANS_14_OUTLINE_ORANGE,
        TextSprite::MEDIEVAL_SANS_14_OUTLINE_YELLOW,
        TextSprite::MEDIEVAL_SANS_14_OUTLINE_PURPLE,
        TextSprite::MEDIEVAL_SANS_14_OUTLINE_CYAN,
        TextSprite::MEDIEVAL_SANS_20,
        TextSprite::MEDIEVAL_SANS_20_OUTLINE,
        TextSprite::MEDIEVAL_SANS_20_OUTLINE_ORANGE,
        TextSprite::MEDIEVAL_SANS_20_OUTLINE_YELLOW,
        TextSprite::MEDIEVAL_SANS_20_OUTLINE_PURPLE,
        TextSprite::MEDIEVAL_SANS_20_OUTLINE_RED,
        TextSprite::MEDIEVAL_SANS_20_OUTLINE_GREEN,
    };
    for (int i = 0; i < 15; ++i) {
        ASSERT_TRUE(fonts[i]);
        EXPECT_EQ(fonts[i]->id, i);
        EXPECT_EQ(fonts[i]->mapping.size(), 82u);
        EXPECT_EQ(fonts[i]->kerning, 0);
    }
    EXPECT_EQ(TextSprite::MEDIEVAL_SANS_20_OUTLINE->spaceWidth, 7);
    EXPECT_EQ(TextSprite::MEDIEVAL_SANS_20->height, 20);

    // The uncoloured fonts share the registry's atlas; the red one holds a repainted copy.
    auto shared = framework::Assets::getBitmapData("assets/fonts/mediSansOutline14.png");
    const auto& red = TextSprite::MEDIEVAL_SANS_14_OUTLINE_RED->bmd;
    EXPECT_EQ(TextSprite::MEDIEVAL_SANS_14_OUTLINE->bmd.get(), shared.get());
    ASSERT_NE(red.get(), shared.get());
    int fill = 0, outline = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 12; ++x) {  // the capital A
            uint32_t before = px(shared, x, y), after = px(red, x, y);
            if ((before >> 24) == 0) {
                EXPECT_EQ(after, before);
            } else if ((before & 0xFF0000) == 0) {
                ++outline;
                EXPECT_EQ(after, before) << x << "," << y;
            } else {
                ++fill;
                EXPECT_EQ(after, 0xFFFF0000u) << x << "," << y;
                EXPECT_EQ(before & 0xFFFFFF, (before >> 16 & 0xFF) * 0x010101u) << "the shared atlas stays white or grey";
            }
        }
    EXPECT_GT(fill, 10);
    EXPECT_GT(outline, 10);
}

TEST_F(TextSpriteTest, GlyphsAdvanceByTheirCellsAndSpacesBySpaceWidth) {
    auto ab = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14, "AB");
    EXPECT_EQ(ab->textWidth, 19);
    EXPECT_EQ(ab->textHeight, 14);
    ASSERT_EQ(ab->get_numChildren(), 1);
    auto flat = ab->staticBitmap->get_bitmapData();
    EXPECT_EQ(flat->get_width(), 21);
    EXPECT_EQ(flat->get_height(), 14);
    // A copied at x 1, B at x 12; the margin columns stay empty.
    const auto& atlas = TextSprite::MEDIEVAL_SANS_14->bmd;
    for (int y = 0; y < 14; ++y) {
        EXPECT_EQ(px(flat, 0, y), 0u);
        EXPECT_EQ(px(flat, 20, y), 0u);
        for (int x = 0; x < 11; ++x) EXPECT_EQ(px(flat, 1 + x, y), px(atlas, x, y)) << x << "," << y;
        for (int x = 0; x < 8; ++x) EXPECT_EQ(px(flat, 12 + x, y), px(atlas, 11 + x, y)) << x << "," << y;
    }

    struct Case {
        const char* text;
        std::vector<int> xs;
        int width;
    };
    const Case cases[] = {{"A B", {0, 16}, 24}, {"AB", {0, 11}, 19}, {"A\xC3\xA9" "B", {0, 16}, 24}, {"A\nB", {0, 16}, 24}};
    for (const Case& c : cases) {
        auto t = animatedText(TextSprite::MEDIEVAL_SANS_14, c.text);
        std::vector<int> xs;
        for (auto& g : t->allChars) xs.push_back(static_cast<int>(g->get_x()));
        EXPECT_EQ(xs, c.xs) << c.text;
        EXPECT_EQ(t->textWidth, c.width) << c.text;
    }
}

TEST_F(TextSpriteTest, WrappingMovesWholeWordsAndCentringPlacesEachLine) {
    auto t = animatedText(TextSprite::MEDIEVAL_SANS_14, "AA AA", true, 40);
    ASSERT_EQ(t->allChars.size(), 4u);
    EXPECT_EQ(t->allChars[2]->get_x(), 0);
    EXPECT_EQ(t->allChars[3]->get_x(), 11);
    EXPECT_EQ(t->allChars[2]->get_parent()->get_y(), 16);
    EXPECT_EQ(t->allChars[1]->get_parent()->get_y(), 0);
    EXPECT_EQ(t->allCharsOrigins[2]->x, 0);
    EXPECT_EQ(t->textHeight, 30);
    EXPECT_EQ(t->textWidth, 40);

    auto centred = animatedText(TextSprite::MEDIEVAL_SANS_14, "AA AA", true, 40, true);
    EXPECT_EQ(centred->allChars[0]->get_parent()->get_x(), 9);
    EXPECT_EQ(centred->allChars[2]->get_parent()->get_x(), 9);

    // A word wider than the line stays on its own line; the next word starts a new one.
    auto wide = animatedText(TextSprite::MEDIEVAL_SANS_14, "AAA A", true, 30);
    EXPECT_EQ(wide->allChars[2]->get_x(), 22);
    EXPECT_EQ(wide->allChars[2]->get_parent()->get_y(), 0);
    EXPECT_EQ(wide->allChars[3]->get_parent()->get_y(), 16);
    EXPECT_EQ(wide->textHeight, 30);

    // Centred without wrapping: centred on the sprite's own x 0, flattened with the same look.
    auto line = animatedText(TextSprite::MEDIEVAL_SANS_14, "AB", false, -1, true);
    EXPECT_EQ(line->allChars[0]->get_parent()->get_x(), -9);
    auto still = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14, "AB", false, -1, 2, true);
    EXPECT_EQ(still->staticBitmap->get_x(), -11);
    const auto& atlas = TextSprite::MEDIEVAL_SANS_14->bmd;
    auto flat = still->staticBitmap->get_bitmapData();
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 11; ++x) EXPECT_EQ(px(flat, 2 + x, y), px(atlas, x, y));
}

TEST_F(TextSpriteTest, MarkupPicksTheBigFontAndAnEffect) {
    auto t = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14, "[SIZE:BIG][EFFECT:YELL]word");
    EXPECT_EQ(t->font.get(), TextSprite::MEDIEVAL_SANS_20.get());
    EXPECT_EQ(t->effect.str(), "YELL");
    EXPECT_EQ(t->text.str(), "word");
    EXPECT_EQ(t->textHeight, 20);
    auto plain = make<TextSprite>(TextSprite::MEDIEVAL_SANS_20, "word");
    EXPECT_EQ(t->textWidth, plain->textWidth);

    t->set_text("[SIZE:anything]again");
    EXPECT_EQ(t->text.str(), "again");
    EXPECT_EQ(t->effect.str(), "");
    // An unclosed tag is shown as text.
    t->set_text("[EFFECT:SHAKE");
    EXPECT_EQ(t->effect.str(), "");
    EXPECT_EQ(t->text.str(), "[EFFECT:SHAKE");
}

TEST_F(TextSpriteTest, EqualCachedTextsShareOneBitmap) {
    auto centredHello = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14, "", false, -1, 2, true);
    EXPECT_EQ(centredHello->cacheKey("Hello"), "0,Hello,false,true,-1,2,0");

    auto first = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14, "Hello", false, -1, 2, true, 0, false, false, -5, 2, true);
    auto second = make<TextSprite>(TextSprite::MEDIEVAL_SANS_14, "Hello", false, -1, 2, true, 0, false, false, -5, 2, true);
    EXPECT_EQ(first->staticBitmap->get_bitmapData().get(), second->staticBitmap->get_bitmapData().get());
    EXPECT_EQ(second->textWidth, first->textWidth);
    EXPECT_EQ(second->textHeight, first->textHeight);
    EXPECT_EQ(second->staticBitmap->get_x(), first->staticBitmap->get_x());
    EXPECT_EQ(TextSprite::STATIC_BMD_CACHE.size(), 1u);
    // Set again, the key holds the laid-out width: a second entry.
    second->set_text("Hello");
    EXPECT_EQ(TextSprite::STATIC_BMD_CACHE.size(), 2u);

    // The empty text leaves no children and keeps the width.
    int width = first->textWidth;
    first->set_text("");
    EXPECT_EQ(first->get_numChildren(), 0);
    EXPECT_EQ(first->textWidth, width);
}

TEST_F(TextSpriteTest, ThirtyFramesPerSecondRevealsTwiceAsManyGlyphsAnUpdate) {
    game::Game::frameRate = 30;
    auto t = animatedText(TextSprite::MEDIEVAL_SANS_14, "Hi");
    EXPECT_EQ(t->animCharsPerFrame, 4);
    for (auto& g : t->allChars) EXPECT_FALSE(g->get_visible());
    EXPECT_FALSE(t->get_mouseEnabled());
    EXPECT_FALSE(t->get_mouseChildren());
}
