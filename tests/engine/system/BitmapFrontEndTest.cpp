// The bitmap cache: keys of filled rectangles, unique keys, bitmaps found by identity, frame
// layouts with spacing, and which graphics survive clearing.
#include "../EngineFixture.h"
#include "engine/system/frontEnds/BitmapFrontEnd.h"
#include "framework/display/BitmapData.h"

using engine::BitmapFrontEnd;
using engine::CachedGraphics;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {
class BitmapFrontEndTest : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        sizedSurfaces();
    }
};
}  // namespace

TEST_F(BitmapFrontEndTest, KeysOfFilledRectanglesAndUniqueKeys) {
    auto cache = make<BitmapFrontEnd>();
    EXPECT_EQ(cache->getUniqueKey(), runtime::String("pixels"));
    auto white = cache->create(16, 16, static_cast<int>(0xFFFFFFFF));
    EXPECT_EQ(white->key, runtime::String("16x16:-1"));
    EXPECT_EQ(cache->create(16, 16, static_cast<int>(0xFFFFFFFF)), white);
    EXPECT_EQ(cache->create(16, 16, static_cast<int>(0xFFFFFFFF), true)->key, runtime::String("16x16:-10"));

    auto bitmap = make<framework::BitmapData>(8, 8);
    auto added = cache->add(Value(bitmap));
    EXPECT_EQ(added->key, runtime::String("pixels"));
    EXPECT_EQ(cache->add(Value(bitmap)), added);  // found by identity
    EXPECT_EQ(cache->getUniqueKey(), runtime::String("pixels0"));
    EXPECT_EQ(cache->add(Value(make<framework::BitmapData>(2, 2)))->key, runtime::String("pixels0"));
    EXPECT_EQ(cache->getUniqueKey(), runtime::String("pixels1"));

    // A cached graphic without frames or unique comes back itself; other kinds give null.
    auto loose = make<CachedGraphics>("loose", bitmap);
    EXPECT_EQ(cache->add(Value(loose)), loose);
    EXPECT_FALSE(cache->checkCache("loose"));
    EXPECT_EQ(cache->add(Value(42)), nullptr);
    EXPECT_EQ(cache->add(Value("no/such/picture.png")), nullptr);
}

TEST_F(BitmapFrontEndTest, FramesAreLaidOutWithSpacing) {
    auto cache = make<BitmapFrontEnd>();
    auto sheet = make<framework::BitmapData>(64, 32);
    std::size_t before = media::FakeMediaModule::get().callsTo("media_native_bitmap_data_copy").size();
    auto framed = cache->addWithSpaces(Value(sheet), 16, 16, 2, 2);
    ASSERT_TRUE(framed);
    EXPECT_EQ(framed->bitmap->get_width(), 72);
    EXPECT_EQ(framed->bitmap->get_height(), 36);
    auto copies = media::FakeMediaModule::get().callsTo("media_native_bitmap_data_copy");
    EXPECT_EQ(copies.size() - before, 8u);
    EXPECT_TRUE(framed->key.str().ends_with("FrameSize:16_16_Spacing:2_2"));
    EXPECT_EQ(cache->addWithSpaces(Value(sheet), 16, 16, 2, 2), framed);

    auto rows = cache->addWithSpaces(Value(sheet), 0, 16, 1, 1);
    EXPECT_EQ(rows->bitmap->get_width(), 65);  // one column as wide as the sheet
    EXPECT_EQ(rows->bitmap->get_height(), 34);
}

TEST_F(BitmapFrontEndTest, ClearingKeepsPersistentGraphicsAndTheWhitePixel) {
    auto cache = make<BitmapFrontEnd>();
    auto keep = cache->create(4, 4, 0, false, "keep");
    keep->persist = true;
    auto drop = cache->create(4, 4, 0, false, "drop");
    auto used = cache->create(4, 4, 0, false, "used");
    used->useCount = 1;
    auto white = cache->get_whitePixel();
    EXPECT_TRUE(white->persist);
    EXPECT_EQ(cache->get_whitePixel(), white);
    cache->clearUnused();
    EXPECT_FALSE(cache->checkCache("drop"));
    EXPECT_TRUE(cache->checkCache("used"));
    EXPECT_EQ(drop->bitmap, nullptr);  // destroyed
    cache->clearCache();
    EXPECT_TRUE(cache->checkCache("keep"));
    EXPECT_FALSE(cache->checkCache("used"));
    EXPECT_EQ(cache->get_whitePixel(), white);
    cache->remove(nullptr);
    cache->remove("keep");
    EXPECT_FALSE(cache->checkCache("keep"));
}
