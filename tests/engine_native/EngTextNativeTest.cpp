// Engine text sprites over the real back end: field width and wrapping, lazy redrawing, border
// passes and where they land, filter room, colours; the rendered text written as a PNG
// ("engine-renders/text.png" beside the program).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "engine/EngG.h"
#include "engine/system/frontEnds/BitmapFrontEnd.h"
#include "engine/text/EngText.h"
#include "framework/geom/Matrix.h"

using engine::EngG;
using engine::EngText;
using runtime::make;
using runtime::Ref;

namespace {

// Keeps the translation of every copy drawn into the graphic.
class CountingText : public EngText {
public:
    using EngText::EngText;
    void drawPass() override {
        draws.push_back({_matrix->tx, _matrix->ty});
        EngText::drawPass();
    }
    std::vector<std::pair<double, double>> draws;
};

class EngTextNative : public ::testing::Test {
protected:
    void SetUp() override { EngG::staticInit(); }
};

}  // namespace

TEST_F(EngTextNative, FieldWidthDecidesWrapping) {
    auto free = make<EngText>(0, 0, 0, "Hello");
    EXPECT_FALSE(free->get_wordWrap());
    EXPECT_TRUE(free->get_autoSize());
    auto boxed = make<EngText>(0, 0, 100, "Hello");
    EXPECT_TRUE(boxed->get_wordWrap());
    EXPECT_FALSE(boxed->get_autoSize());
    EXPECT_EQ(boxed->get_fieldWidth(), 100);
    EXPECT_FALSE(boxed->dirty);  // drawn at construction
    EXPECT_EQ(boxed->cachedGraphics->bitmap->get_width(), 100);
    EXPECT_TRUE(boxed->cachedGraphics->destroyOnNoUse);
    EXPECT_EQ(free->cachedGraphics->key, "text");
    EXPECT_EQ(boxed->cachedGraphics->key, "text0");
}

TEST_F(EngTextNative, WritesOnlyMarkDirtyWhenSomethingChanges) {
    auto t = make<CountingText>(0, 0, 120, "Same");
    t->dirty = false;
    t->set_text("Other");
    EXPECT_TRUE(t->dirty);
    t->calcFrame();
    t->set_text("Other");
    EXPECT_FALSE(t->dirty);
    // Border settings count only with a border.
    t->set_borderColor(0xFF0000);
    t->set_borderSize(3);
    t->set_borderQuality(0.5);
    EXPECT_FALSE(t->dirty);
    t->set_borderStyle(EngText::BORDER_SHADOW);
    EXPECT_TRUE(t->dirty);
    t->calcFrame();
    t->set_borderQuality(7);
    EXPECT_EQ(t->borderQuality, 1);
    EXPECT_TRUE(t->dirty);
    t->calcFrame();
    EXPECT_EQ(t->set_color(static_cast<int>(0xFF00FF00)), 0x00FF00);
    EXPECT_TRUE(t->dirty);
    t->calcFrame();
    t->set_color(0x00FF00);
    EXPECT_FALSE(t->dirty);
    EXPECT_EQ(t->convertTextAlignmentFromString("CENTER"), "left");
    EXPECT_EQ(t->convertTextAlignmentFromString(nullptr), "left");
    EXPECT_EQ(t->convertTextAlignmentFromString("justify"), "justify");
}

TEST_F(EngTextNative, BorderPassesAndWhereTheyLand) {
    struct Case {
        int style;
        double size;
        double quality;
        std::size_t draws;
    };
    for (const Case& c : {Case{EngText::BORDER_OUTLINE, 2, 1, 17}, Case{EngText::BORDER_OUTLINE, 2, 0.25, 9},
                          Case{EngText::BORDER_OUTLINE_FAST, 2, 1, 9}, Case{EngText::BORDER_SHADOW, 3, 1, 4},
                          Case{EngText::BORDER_SHADOW, 0.5, 1, 2}, Case{EngText::BORDER_NONE, 2, 1, 1}}) {
        SCOPED_TRACE(c.style * 100 + c.size * 10 + c.quality);
        auto t = make<CountingText>(0, 0, 120, "Border");
        t->setBorderStyle(c.style, 0x000000, c.size, c.quality);
        t->draws.clear();
        t->calcFrame();
        ASSERT_EQ(t->draws.size(), c.draws);
        // The text itself lands back in place.
        EXPECT_EQ(t->draws.back(), (std::pair<double, double>{0, 0}));
    }
    auto ring = make<CountingText>(0, 0, 120, "Ring");
    ring->setBorderStyle(EngText::BORDER_OUTLINE, 0, 2, 0.25);
    ring->draws.clear();
    ring->calcFrame();
    EXPECT_EQ(ring->draws[0], (std::pair<double, double>{-2, -2}));
    EXPECT_EQ(ring->draws[2], (std::pair<double, double>{2, -2}));
    EXPECT_EQ(ring->draws[7], (std::pair<double, double>{-2, 0}));

    auto shadow = make<CountingText>(0, 0, 120, "Shadow");
    shadow->setBorderStyle(EngText::BORDER_SHADOW, 0, 2, 1);
    shadow->shadowOffset->set(0, 0);
    shadow->draws.clear();
    shadow->calcFrame();
    ASSERT_EQ(shadow->draws.size(), 3u);
    EXPECT_EQ(shadow->draws[0], (std::pair<double, double>{1, 1}));
    EXPECT_EQ(shadow->draws[1], (std::pair<double, double>{2, 2}));
    EXPECT_EQ(shadow->draws[2], (std::pair<double, double>{2, 2}));
}

TEST_F(EngTextNative, FiltersGrowTheGraphicByTheLastIncrements) {
    auto t = make<CountingText>(0, 0, 80, "Glow");
    int width = t->cachedGraphics->bitmap->get_width();
    int height = t->cachedGraphics->bitmap->get_height();
    auto key = t->cachedGraphics->key;
    t->addFilter(runtime::Value(1), 4, 4);
    t->addFilter(runtime::Value(2), 2, 2);
    t->draws.clear();
    t->calcFrame();
    EXPECT_EQ(t->cachedGraphics->bitmap->get_width(), width + 2);
    EXPECT_EQ(t->cachedGraphics->bitmap->get_height(), height + 2);
    EXPECT_EQ(t->draws.back(), (std::pair<double, double>{1, 1}));
    // The regrown graphic stays in the cache under the same key.
    EXPECT_EQ(EngG::bitmap->get(key), t->cachedGraphics);
    t->removeFilter(runtime::Value(9));
    t->dirty = false;
    t->removeFilter(runtime::Value(9));
    EXPECT_FALSE(t->dirty);
    t->clearFilters();
    EXPECT_TRUE(t->dirty);
}

TEST_F(EngTextNative, EmptyTextKeepsItsHeight) {
    auto t = make<CountingText>(0, 0, 80, "Two\nlines");
    int height = t->cachedGraphics->bitmap->get_height();
    t->set_text("");
    t->draws.clear();
    t->calcFrame();
    EXPECT_TRUE(t->draws.empty());
    EXPECT_FALSE(t->dirty);
    EXPECT_EQ(t->cachedGraphics->bitmap->get_height(), height);
    t->destroy();
    t->calcFrame();  // returns at once
    EXPECT_EQ(t->get_fieldWidth(), 0);
}

TEST_F(EngTextNative, RendersOutlinedText) {
    auto t = make<EngText>(0, 0, 160, "Glintvault", 16);
    t->setFormat(nullptr, 16, 0xFFE070, "center", EngText::BORDER_OUTLINE, 0x802020);
    t->set_borderSize(2);
    t->calcFrame(true);
    Ref<framework::BitmapData> picture = t->framePixels;
    ASSERT_TRUE(picture);
    int inked = 0;
    for (int y = 0; y < picture->get_height(); ++y)
        for (int x = 0; x < picture->get_width(); ++x)
            if (static_cast<uint32_t>(picture->getPixel32(x, y)) >> 24) ++inked;
    EXPECT_GT(inked, 50);
    std::filesystem::create_directories("engine-renders");
    Ref<runtime::Bytes> png = picture->encode(runtime::Value(framework::BitmapData::PNG));
    ASSERT_TRUE(png);
    std::vector<uint8_t> bytes = png->data();
    std::ofstream("engine-renders/text.png", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
