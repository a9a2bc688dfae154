// The shared bitmaps: shadow bands cut from the sheet, solid squares, the hit pixel, and the
// skins taken from the asset registry.
#include "GameFixture.h"
#include "framework/geom/Rectangle.h"
#include "game/shell/BMDCache.h"
#include "game/shell/PixelSmoother.h"

using game::BMDCache;
using runtime::Value;

class BMDCacheTest : public GameFixture {};

TEST_F(BMDCacheTest, ShadowsAreTheBandsOfTheSheetAndSquaresHaveTheirSizeAndColour) {
    embed("assets/x2/misc/shadows.png", "shadow sheet", 32, 64);
    embed("assets/ui/buttonBlack.png", "black button", 25, 25);
    embed("assets/ui/buttonYellowSmall.png", "yellow button", 19, 19);
    BMDCache::load();

    struct Band {
        const BMDCache::BMD& shadow;
        int y;
        int height;
    };
    const Band bands[] = {{BMDCache::SHADOW_XXL, 0, 20}, {BMDCache::SHADOW_XL, 20, 14}, {BMDCache::SHADOW_L, 34, 11},
                          {BMDCache::SHADOW_M, 45, 9},   {BMDCache::SHADOW_S, 54, 6},   {BMDCache::SHADOW_XS, 60, 4}};
    auto copies = media::FakeMediaModule::get().callsTo("media_native_bitmap_data_copy");
    ASSERT_EQ(copies.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        const Band& b = bands[i];
        ASSERT_TRUE(b.shadow);
        EXPECT_EQ(b.shadow->get_width(), 32);
        EXPECT_EQ(b.shadow->get_height(), b.height);
        EXPECT_TRUE(b.shadow->get_transparent());
        // source, source rectangle, destination, destination point, merge alpha
        const auto& a = copies[i].args;
        EXPECT_EQ(a[1].field("x").toFloat(), 0);
        EXPECT_EQ(a[1].field("y").toFloat(), b.y);
        EXPECT_EQ(a[1].field("width").toFloat(), 32);
        EXPECT_EQ(a[1].field("height").toFloat(), b.height);
        EXPECT_EQ(a[2].field("h").toInt(), b.height);
        EXPECT_EQ(a[3].field("x").toFloat(), 0);
        EXPECT_EQ(a[3].field("y").toFloat(), 0);
        EXPECT_FALSE(a[4].toBool());
    }

    struct Square {
        const BMDCache::BMD& bmd;
        int size;
        int rgb;
        int alpha;
    };
    const Square squares[] = {{BMDCache::SHADOW_NONE, 1, 0, 0},           {BMDCache::whiteSquare4x4, 4, 0xFFFFFF, 255},
                              {BMDCache::whiteSquare2x2, 2, 0xFFFFFF, 255}, {BMDCache::goldSquare4x4, 4, 0xF0C600, 255},
                              {BMDCache::goldSquare2x2, 2, 0xF0C600, 255},  {BMDCache::blackSquare2x2, 2, 0, 255},
                              {BMDCache::invisPixel, 1, 0, 1}};
    for (const Square& s : squares) {
        ASSERT_TRUE(s.bmd);
        EXPECT_EQ(s.bmd->get_width(), s.size);
        EXPECT_EQ(s.bmd->get_height(), s.size);
        EXPECT_EQ(s.bmd->handle_.field("rgb").toInt(), s.rgb);
        EXPECT_EQ(s.bmd->handle_.field("alpha").toInt(), s.alpha);
    }
    EXPECT_TRUE(BMDCache::invisPixel->get_transparent());
    EXPECT_FALSE(BMDCache::blackSquare2x2->get_transparent());

    // Skins are the registry's shared bitmaps; skins missing from the program stay null.
    ASSERT_TRUE(BMDCache::BLACK_BUTTON);
    EXPECT_EQ(BMDCache::BLACK_BUTTON->get_width(), 25);
    EXPECT_EQ(framework::Assets::getBitmapData("assets/ui/buttonBlack.png").get(), BMDCache::BLACK_BUTTON.get());
    EXPECT_EQ(game::PixelSmoother::smoothAsset("assets/ui/buttonYellowSmall.png").get(), BMDCache::YELLOW_BUTTON.get());
    EXPECT_EQ(BMDCache::YELLOW_BUTTON->get_height(), 19);
    EXPECT_FALSE(BMDCache::RED_BUTTON);
    EXPECT_FALSE(BMDCache::rainTile);
    EXPECT_EQ(tracesContaining("assets/ui/buttonRed.png"), 1);
}

TEST_F(BMDCacheTest, WithoutTheSheetTheShadowsAreEmptyBandsOfTheirSize) {
    BMDCache::load();
    EXPECT_EQ(media::FakeMediaModule::get().count("media_native_bitmap_data_copy"), 0);
    ASSERT_TRUE(BMDCache::SHADOW_XL);
    EXPECT_EQ(BMDCache::SHADOW_XL->get_width(), 32);
    EXPECT_EQ(BMDCache::SHADOW_XL->get_height(), 14);
    EXPECT_FALSE(BMDCache::BLACK_BUTTON);
}
