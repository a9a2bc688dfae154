// The splash state over the fake back end: the five pieces on engine time, the name's colour, the
// fade and hand-over, the engine settings restored, and re-centring on resize.
#include <cmath>
#include <vector>

#include "../EngineFixture.h"
#include "engine/input/keyboard/EngKeyboard.h"
#include "engine/system/EngSplash.h"
#include "engine/system/frontEnds/CameraFrontEnd.h"

using engine::EngG;
using engine::EngSplash;
using runtime::Ref;

namespace {

class AfterSplashState : public engine::EngState {
    RUNTIME_CLASS(AfterSplashState)
public:
    AfterSplashState() = default;
    explicit AfterSplashState(runtime::NoInit n) : EngState(n) {}
};

class EngSplashTest : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        // Text fields are plain nodes that keep their place.
        media::FakeMediaModule::get().on("media_native_text_field_create", [](const std::vector<runtime::Value>&) {
            return runtime::Value(runtime::make<runtime::DynamicObject>());
        });
    }
    // The colours the name was given, in order.
    std::vector<int> nameColours() {
        std::vector<int> out;
        for (const auto& c : media::FakeMediaModule::get().callsTo("media_native_text_field_set_text_color"))
            out.push_back(c.args[1].toInt());
        return out;
    }
};

}  // namespace

RUNTIME_DEFINE_CLASS(AfterSplashState, "test.splash.AfterSplashState", engine::EngState, (auto& b) {
    b.emptyInstance().constructor(
        [](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<AfterSplashState>(); });
})

TEST_F(EngSplashTest, PiecesOnTimeThenFadeAndHandOver) {
    startGame<AfterSplashState>(60, 60, false);
    auto* splash = dynamic_cast<EngSplash*>(EngG::get_state().get());
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(static_cast<uint32_t>(EngG::cameras->get_bgColor()), 0xFF000000u);
    EXPECT_FALSE(EngG::fixedTimestep);
    EXPECT_FALSE(EngG::autoPause);
    EXPECT_FALSE(EngG::keys->enabled);
    // What the hand-over puts back (the engine's default camera colour was black already).
    splash->_cachedBgColor = static_cast<int>(0xFF336699);

    const double times[5] = {0.041, 0.184, 0.334, 0.495, 0.636};
    double t = 0;
    while (t < 0.7) {
        frame(10);
        t += 0.01;
        int due = 0;
        for (double at : times) due += at <= t ? 1 : 0;
        ASSERT_EQ(splash->_curPart, due) << "at " << t;
    }
    EXPECT_EQ(nameColours(), (std::vector<int>{0x00B922, 0xFFC132, 0xF5274E, 0x3641FF, 0x04CDFB}));

    // The logo's fade ends 3 s after the fifth piece (drawn at 0.64 here): not yet at 3.6.
    while (t < 3.6) {
        frame(10);
        t += 0.01;
    }
    EXPECT_EQ(EngG::get_state().get(), splash);
    EXPECT_FALSE(EngG::fixedTimestep);
    for (int i = 0; i < 6; ++i) frame(10);
    EXPECT_NE(dynamic_cast<AfterSplashState*>(EngG::get_state().get()), nullptr);
    EXPECT_EQ(static_cast<uint32_t>(EngG::cameras->get_bgColor()), 0xFF336699u);
    EXPECT_TRUE(EngG::fixedTimestep);
    EXPECT_TRUE(EngG::autoPause);
    EXPECT_TRUE(EngG::keys->enabled);
}

TEST_F(EngSplashTest, ResizeRecentresTheLogo) {
    startGame<AfterSplashState>(60, 60, false);
    auto* splash = dynamic_cast<EngSplash*>(EngG::get_state().get());
    ASSERT_NE(splash, nullptr);
    splash->onResize(800, 600);
    EXPECT_EQ(splash->_sprite->get_x(), 400);
    EXPECT_EQ(splash->_sprite->get_y(), 280);
    EXPECT_EQ(splash->_text->get_y(), 360);
    EXPECT_EQ(splash->_text->get_x(), 0);
}
