// The engine's drawn pictures over the real back end: the splash's five pieces, a debugger window
// with its grip and close cross, and the embedded pictures; written as PNGs
// ("engine-renders/splash.png", "engine-renders/window.png" beside the program).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "engine/EngG.h"
#include "engine/system/EngSplash.h"
#include "engine/system/GraphicLogo.h"
#include "engine/system/debug/GraphicCloseButton.h"
#include "engine/system/debug/GraphicWindowHandle.h"
#include "engine/system/debug/Window.h"
#include "engine/ui/GraphicButton.h"
#include "framework/display/BitmapData.h"
#include "framework/display/Sprite.h"
#include "framework/geom/Matrix.h"

using engine::EngG;
using framework::BitmapData;
using runtime::make;
using runtime::Ref;

namespace {

uint32_t argb(const Ref<BitmapData>& b, int x, int y) { return static_cast<uint32_t>(b->getPixel32(x, y)); }

void writePng(const Ref<BitmapData>& picture, const char* name) {
    std::filesystem::create_directories("engine-renders");
    Ref<runtime::Bytes> png = picture->encode(runtime::Value(BitmapData::PNG));
    ASSERT_TRUE(png);
    std::vector<uint8_t> bytes = png->data();
    std::ofstream(std::string("engine-renders/") + name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

TEST(EnginePicturesNative, SplashPiecesMatchTheLogo) {
    auto splash = make<engine::EngSplash>();
    auto sprite = make<framework::Sprite>();
    splash->_gfx = sprite->get_graphics();
    splash->drawGreen();
    splash->drawYellow();
    splash->drawRed();
    splash->drawBlue();
    splash->drawLightBlue();
    auto canvas = make<BitmapData>(100, 100, true, 0);
    auto centre = make<framework::Matrix>();
    centre->translate(50, 50);
    canvas->draw(sprite, centre);
    auto logo = make<engine::GraphicLogo>();
    ASSERT_EQ(logo->get_width(), 100);
    ASSERT_EQ(logo->get_height(), 100);
    struct Probe {
        int x, y;
        uint32_t colour;
    };
    for (const Probe& p : {Probe{50, 50, 0xFF00B922}, Probe{5, 5, 0xFFFFC132}, Probe{94, 5, 0xFFF5274E},
                           Probe{94, 94, 0xFF04CDFB}, Probe{50, 3, 0}, Probe{3, 50, 0}}) {
        SCOPED_TRACE(p.x * 1000 + p.y);
        EXPECT_EQ(argb(canvas, p.x, p.y), p.colour);
        EXPECT_EQ(argb(logo, p.x, p.y), p.colour);
    }
    EXPECT_EQ(argb(canvas, 5, 94) & 0xFFFFFF, 0x3641FFu);
    EXPECT_EQ(argb(logo, 5, 94), 0xFF3B41FFu);
    writePng(canvas, "splash.png");
}

TEST(EnginePicturesNative, WindowWithGripAndCloseCross) {
    EngG::staticInit();
    auto close = make<engine::GraphicCloseButton>();
    ASSERT_EQ(close->get_width(), 8);
    EXPECT_EQ(argb(close, 1, 1), 0xFFFFFFFFu);
    EXPECT_EQ(argb(close, 0, 0), 0x5BFFFFFFu);
    auto grip = make<engine::GraphicWindowHandle>();
    ASSERT_EQ(grip->get_width(), 10);
    EXPECT_EQ(argb(grip, 9, 0), 0xA6000000u);
    EXPECT_EQ(argb(grip, 9, 1), 0xA6FFFFFFu);
    EXPECT_EQ(argb(grip, 0, 0), 0u);
    auto button = make<engine::GraphicButton>();
    EXPECT_EQ(button->get_width(), 80);
    EXPECT_EQ(button->get_height(), 60);
    EXPECT_EQ(argb(button, 0, 0) >> 24, 0u);
    EXPECT_EQ(argb(button, 40, 10), 0xFFC0C0C0u);
    EXPECT_EQ(argb(button, 40, 30), 0xFFD3D3D3u);
    EXPECT_EQ(argb(button, 40, 50), 0xFFA1A1A1u);

    auto window = make<engine::Window>("Watch", nullptr, 160, 90, true, nullptr, true);
    EXPECT_EQ(window->_handle->get_x(), 150);
    EXPECT_EQ(window->_closeButton->get_x(), 160 - 8 - 3);
    auto canvas = make<BitmapData>(170, 100, true, static_cast<int>(0xFF406080));
    canvas->draw(window);
    EXPECT_EQ(argb(canvas, 80, 95), 0xFF406080u);  // below the shadow
    EXPECT_EQ(argb(canvas, 80, 91), 0xFF000000u);  // the shadow
    writePng(canvas, "window.png");
    window->destroy();
}
