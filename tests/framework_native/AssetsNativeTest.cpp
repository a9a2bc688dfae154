// An embedded picture fetched through the asset registry and shown by a Bitmap, rendered by
// the real back end into the written frame.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#include <stb/stb_image.h>

#include "framework/Lib.h"
#include "framework/assets/Assets.h"
#include "framework/display/Bitmap.h"
#include "framework/display/Stage.h"

using framework::Lib;
using runtime::Value;

TEST(AssetsNative, AnEmbeddedPictureReachesTheFrame) {
    std::string png = ::testing::TempDir() + "assets-quad.png";
    std::remove(png.c_str());
    setenv("MEDIA_NATIVE_SNAPSHOT", png.c_str(), 1);
    int frames = 0;
    auto onLoaded = runtime::Function::of([&] {
        auto stage = Lib::get_stage();
        stage->set_color(0x000000);
        auto data = framework::Assets::getBitmapData("assets/test/quad.png");
        ASSERT_TRUE(data);
        EXPECT_EQ(data->get_width(), 8);
        auto bitmap = runtime::make<framework::Bitmap>(data);
        bitmap->set_scaleX(10);
        bitmap->set_scaleY(10);
        stage->addChild(bitmap);
        stage->addEventListener("enterFrame", runtime::Function::of([&](Value) {
            if (++frames >= 3) Lib::close();
        }));
    });
    Lib::create(onLoaded, 160, 100, 60, 0x000000, 0, "Assets test");
    unsetenv("MEDIA_NATIVE_SNAPSHOT");
    int w = 0, h = 0, n = 0;
    unsigned char* pixels = stbi_load(png.c_str(), &w, &h, &n, 4);
    ASSERT_NE(pixels, nullptr);
    auto at = [&](int x, int y) {
        const unsigned char* p = pixels + (y * w + x) * 4;
        return (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
    };
    EXPECT_EQ(at(5, 5), 0xFF0000u);
    EXPECT_EQ(at(75, 5), 0x00FF00u);
    EXPECT_EQ(at(5, 75), 0x0000FFu);
    uint32_t half = at(75, 75);
    EXPECT_NEAR(static_cast<int>(half & 0xFF), 128, 2);
    EXPECT_EQ(at(120, 50), 0x000000u);  // beyond the picture: the stage colour
    stbi_image_free(pixels);
    framework::Assets::reset_();
}
