// Cameras over the fake back end: the front end's list and display order, construction geometry,
// setters, dead zones and bounds, the three effects, the background fill and draw batches.
#include "EngineFixture.h"
#include "engine/EngCamera.h"
#include "engine/EngObject.h"
#include "engine/system/frontEnds/CameraFrontEnd.h"
#include "engine/system/layer/EngBGSprite.h"
#include "engine/system/layer/TileSheetExt.h"
#include "framework/display/BitmapData.h"

using engine::EngCamera;
using engine::EngG;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {
class EngCameraTest : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        startGame<engine::EngState>();
    }
    static int fills(std::size_t from = 0) {
        return static_cast<int>(media::FakeMediaModule::get().callsTo("media_native_gfx_begin_fill").size() - from);
    }
};
}  // namespace

TEST_F(EngCameraTest, FrontEndKeepsOneDefaultCameraBelowTheInputContainer) {
    auto& cameras = *EngG::cameras;
    ASSERT_EQ(cameras.list.size(), 1u);
    Ref<EngCamera> main = EngG::camera;
    EXPECT_EQ(cameras.list[0], main);
    EXPECT_EQ(main->ID, 0);
    EXPECT_EQ(static_cast<uint32_t>(main->bgColor), 0xFF000000u);
    EXPECT_EQ(main->width, 960);
    EXPECT_EQ(main->height, 540);
    EXPECT_EQ(game->getChildIndex(main->flashSprite) + 1, game->getChildIndex(game->_inputContainer));

    // The colour carries over to the camera of the next state.
    cameras.set_bgColor(static_cast<int>(0xFFFF0000));
    EngG::switchState(make<engine::EngState>());
    frame(17);
    EXPECT_NE(EngG::camera, main);
    EXPECT_FALSE(main->exists);
    EXPECT_EQ(static_cast<uint32_t>(EngG::camera->bgColor), 0xFFFF0000u);
    EXPECT_EQ(static_cast<uint32_t>(EngG::get_state()->get_bgColor()), 0xFFFF0000u);

    // A second camera draws above the first; removing the first renumbers.
    Ref<EngCamera> first = EngG::camera;
    auto second = cameras.add(make<EngCamera>(0, 0, 100, 100, 1));
    EXPECT_EQ(second->ID, 1);
    EXPECT_EQ(game->getChildIndex(second->flashSprite), game->getChildIndex(first->flashSprite) + 1);
    cameras.remove(first, false);
    EXPECT_EQ(second->ID, 0);
    EXPECT_TRUE(first->exists);
    EXPECT_EQ(first->flashSprite->get_parent(), nullptr);
    cameras.add(first);
    EXPECT_EQ(first->ID, 1);
}

TEST_F(EngCameraTest, ConstructionGeometryAndSetters) {
    auto c = make<EngCamera>(10, 20, 100, 50, 2);
    EXPECT_EQ(c->_flashOffset->x, 100);
    EXPECT_EQ(c->_flashOffset->y, 50);
    EXPECT_EQ(c->flashSprite->get_x(), 110);
    EXPECT_EQ(c->flashSprite->get_y(), 70);
    EXPECT_EQ(c->flashSprite->get_scaleX(), 2);
    EXPECT_EQ(c->canvas->get_x(), -50);
    EXPECT_EQ(c->canvas->get_y(), -25);
    EXPECT_EQ(c->canvas->get_scrollRect()->width, 100);
    EXPECT_EQ(c->set_width(0), 0);
    EXPECT_EQ(c->set_width(-5), -5);
    EXPECT_EQ(c->width, 100);
    c->set_width(200);
    EXPECT_EQ(c->canvas->get_scrollRect()->width, 200);
    EXPECT_EQ(c->_flashOffset->x, 200);
    EXPECT_EQ(c->set_alpha(1.5), 1.5);
    EXPECT_EQ(c->alpha, 1);
    c->set_color(0x7FFF0000);
    EXPECT_EQ(c->color, 0xFF0000);

    auto d = make<EngCamera>();
    EXPECT_EQ(d->width, 960);
    EXPECT_EQ(d->zoom, EngCamera::defaultZoom);
    EXPECT_EQ(d->getScale()->x, 1);
}

TEST_F(EngCameraTest, DeadZonesBoundsAndFollowing) {
    auto c = make<EngCamera>(0, 0, 640, 480, 1);
    auto target = make<engine::EngObject>(100, 100, 16, 16);
    c->follow(target, EngCamera::STYLE_TOPDOWN);
    EXPECT_EQ(c->deadzone->toString(), "(x: 240 | y: 160 | w: 160 | h: 160)");
    c->follow(target, EngCamera::STYLE_LOCKON);
    EXPECT_EQ(c->deadzone->toString(), "(x: 312 | y: 228 | w: 16 | h: 16)");
    c->update();  // the target stays inside the dead zone of the view aimed at
    EXPECT_EQ(c->scroll->x, 100 + 16 - 312 - 16);
    c->follow(target, EngCamera::STYLE_NO_DEAD_ZONE);
    EXPECT_EQ(c->deadzone, nullptr);
    c->update();  // centred on the target's midpoint
    EXPECT_EQ(c->scroll->x, 108 - 320);

    auto narrow = make<EngCamera>(0, 0, 320, 240, 1);
    narrow->scroll->set(55, 10);
    narrow->setBounds(0, 0, 200, 200);
    EXPECT_EQ(narrow->scroll->x, -120);  // the upper limit wins

    auto screens = make<EngCamera>(0, 0, 320, 240, 1);
    auto walker = make<engine::EngObject>(330, 10, 8, 8);
    screens->follow(walker, EngCamera::STYLE_SCREEN_BY_SCREEN);
    screens->update();
    EXPECT_EQ(screens->scroll->x, 320);
}

TEST_F(EngCameraTest, FlashFadeAndShake) {
    auto c = make<EngCamera>(0, 0, 100, 100, 1);
    EngG::elapsed = 0.016;
    int flashes = 0, fades = 0, shakes = 0;
    c->flash(static_cast<int>(0xFFFFFFFF), 0, runtime::Function::of([&] { ++flashes; }));
    c->update();
    EXPECT_EQ(flashes, 1);
    c->flash(static_cast<int>(0xFFFFFFFF), 1);
    c->update();
    double strength = c->_fxFlashAlpha;
    c->flash(static_cast<int>(0xFF00FF00), 1);  // without force: ignored
    EXPECT_EQ(c->_fxFlashAlpha, strength);
    c->flash(static_cast<int>(0xFF00FF00), 1, nullptr, true);
    EXPECT_EQ(c->_fxFlashAlpha, 1);

    c->fade(static_cast<int>(0xFF000000), 0.02, false, runtime::Function::of([&] { ++fades; }));
    c->update();
    c->update();
    EXPECT_EQ(c->_fxFadeAlpha, 1);
    EXPECT_EQ(fades, 1);
    c->update();
    EXPECT_EQ(fades, 1);
    c->fade(static_cast<int>(0xFFFFFFFF), 1, true);  // ignored: the view stays covered
    EXPECT_EQ(c->_fxFadeAlpha, 1);
    c->stopFX();
    EXPECT_EQ(c->_fxFadeAlpha, 0);
    EXPECT_EQ(c->_fxFlashAlpha, 0);
    c->fade(0, 0.5, true);
    EXPECT_EQ(c->_fxFadeAlpha, 0.999999);

    c->shake(0.05, 0.03, runtime::Function::of([&] { ++shakes; }), true, EngCamera::SHAKE_VERTICAL_ONLY);
    c->update();
    EXPECT_EQ(c->_fxShakeOffset->x, 0);
    EXPECT_NE(c->_fxShakeOffset->y, 0);
    EXPECT_LE(std::abs(c->_fxShakeOffset->y), 5);
    double offset = c->_fxShakeOffset->y;
    c->shake(0.05, 1, nullptr, false);  // without force: ignored while shaking
    EXPECT_EQ(c->_fxShakeDuration, 0.03 - 0.016);
    c->update();
    EXPECT_EQ(shakes, 1);
    EXPECT_EQ(c->_fxShakeOffset->y, 0);
    EXPECT_NE(offset, 0);
    EngG::elapsed = 0;
}

TEST_F(EngCameraTest, BackgroundFillFollowsTheAlphaByte) {
    auto& fake = media::FakeMediaModule::get();
    Ref<EngCamera> c = EngG::camera;
    std::size_t before = fake.callsTo("media_native_gfx_begin_fill").size();
    c->bgColor = static_cast<int>(0x80FF8800);
    frame(17);
    auto fillsNow = fake.callsTo("media_native_gfx_begin_fill");
    ASSERT_EQ(fillsNow.size(), before + 1);
    EXPECT_EQ(fillsNow.back().args[1].toInt(), 0xFF8800);
    EXPECT_DOUBLE_EQ(fillsNow.back().args[2].toFloat(), 128 / 255.0);
    c->bgColor = 0x00FF8800;
    frame(17);
    EXPECT_EQ(fills(before), 1);  // alpha byte 0 paints nothing
    c->visible = false;  // a hidden camera is neither filled nor shown
    c->bgColor = static_cast<int>(0xFF000000);
    frame(17);
    EXPECT_EQ(fills(before), 1);
    EXPECT_FALSE(c->flashSprite->get_visible());
}

TEST_F(EngCameraTest, BatchesShareOnlyConsecutiveEqualSettings) {
    auto c = make<EngCamera>(0, 0, 100, 100, 1);
    auto bitmap = make<framework::BitmapData>(4, 4, true, 0);
    auto a = make<engine::CachedGraphics>("a", bitmap), b = make<engine::CachedGraphics>("b", bitmap);
    auto first = c->getDrawStackItem(a, false, 0);
    EXPECT_EQ(c->getDrawStackItem(a, false, 0), first);
    auto second = c->getDrawStackItem(b, false, 0);
    auto third = c->getDrawStackItem(a, false, 0);
    EXPECT_NE(third, first);
    for (auto& item : {first, second, third}) {
        item->drawData->push(0);
        item->position = 1;
    }
    engine::TileSheetExt::_DRAWCALLS = 0;
    c->render();
    EXPECT_EQ(engine::TileSheetExt::_DRAWCALLS, 3);
    auto draws = media::FakeMediaModule::get().callsTo("media_native_gfx_draw_tiles");
    ASSERT_FALSE(draws.empty());
    EXPECT_EQ(draws.back().args[3].toInt(), 24);  // 2x2 transform and alpha

    // A new frame reuses the same batch objects; an unfilled batch draws nothing.
    c->clearDrawStack();
    EXPECT_EQ(c->getDrawStackItem(b, true, 0), first);
    auto again = c->getDrawStackItem(a, false, 0);
    EXPECT_TRUE(again == second || again == third);
    c->render();
    EXPECT_EQ(engine::TileSheetExt::_DRAWCALLS, 3);
}

TEST_F(EngCameraTest, SubStateBackgroundCoversEveryShownCamera) {
    auto& cameras = *EngG::cameras;
    cameras.reset(make<EngCamera>(0, 0, 320, 240, 1));
    auto hidden = cameras.add(make<EngCamera>(0, 0, 100, 100, 1));
    hidden->visible = false;
    auto background = make<engine::EngBGSprite>();
    background->alpha = 0;  // drawn all the same
    background->draw();
    auto item = EngG::camera->_currentStackItem;
    ASSERT_EQ(item->position, 8);
    std::vector<double> values;
    for (int i = 0; i < item->position; ++i) values.push_back(item->drawData->at(i).toFloat());
    EXPECT_EQ(values, (std::vector<double>{160, 120, static_cast<double>(background->frame->tileID), 320, 0, 0, 240, 0}));
    EXPECT_EQ(hidden->_currentStackItem->position, 0);
}
