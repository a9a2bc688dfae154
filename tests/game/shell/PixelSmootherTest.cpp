// The picture lookup's colour interpolation and filter switch.
#include "GameFixture.h"
#include "game/shell/PixelSmoother.h"

using game::PixelSmoother;

class PixelSmootherTest : public GameFixture {};

TEST_F(PixelSmootherTest, LerpTruncatesEachChannel) {
    EXPECT_EQ(static_cast<uint32_t>(PixelSmoother::lerp(static_cast<int>(0xFF000000), static_cast<int>(0xFFFFFFFF), 0.5)),
              0xFF7F7F7Fu);
    EXPECT_EQ(static_cast<uint32_t>(PixelSmoother::lerp(0x00102030, static_cast<int>(0x80FF0030), 0.0)), 0x00102030u);
    EXPECT_EQ(static_cast<uint32_t>(PixelSmoother::lerp(0x00102030, static_cast<int>(0x80FF0030), 1.0)), 0x80FF0030u);
}

TEST_F(PixelSmootherTest, SwitchingTheFilterTouchesNoBitmap) {
    PixelSmoother::filterChangeProgress = 5;
    PixelSmoother::setPixelFilter(true);
    EXPECT_TRUE(PixelSmoother::smoothed);
    EXPECT_EQ(PixelSmoother::filterChangeProgress, 0);
    for (auto& call : media::FakeMediaModule::get().calls())
        EXPECT_EQ(call.name.find("media_native_bitmap_data"), std::string::npos) << call.name;
    PixelSmoother::setPixelFilter(false);
    EXPECT_FALSE(PixelSmoother::smoothed);

    auto source = runtime::make<framework::BitmapData>(3, 2, true, 0);
    EXPECT_EQ(PixelSmoother::smoothBMD(source, -1, false).get(), source.get());
    EXPECT_FALSE(PixelSmoother::smoothBMD(nullptr));
    auto big = PixelSmoother::smoothBMD(source);
    EXPECT_EQ(big->get_width(), 6);
    EXPECT_EQ(big->get_height(), 4);
}
