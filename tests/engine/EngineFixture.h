#pragma once
// The engine over the fake back end: one stage for the program (a node store that keeps x, y,
// scales and visibility per node), a scripted clock in whole milliseconds, frames driven by
// broadcasting "enterFrame", and fresh engine globals for every test.
#include "tests/support/ProgramStage.h"
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/EngCamera.h"
#include "engine/EngG.h"
#include "engine/input/gamepad/EngGamepadManager.h"
#include "engine/input/keyboard/EngKeyboard.h"
#include "engine/input/mouse/EngMouse.h"
#include "engine/EngGame.h"
#include "engine/system/frontEnds/CameraFrontEnd.h"
#include "engine/EngState.h"
#include "engine/system/EngSplash.h"
#include "framework/Lib.h"
#include "framework/display/MovieClip.h"
#include "framework/display/Stage.h"
#include "framework/events/Event.h"
#include "platform/media/fake/FakeMediaModule.h"
#include "platform/runtime/DynamicObject.h"

class EngineFixture : public ::testing::Test {
protected:
    void SetUp() override {
        auto& fake = media::FakeMediaModule::get();
        fake.reset();
        auto node = [](const std::vector<runtime::Value>&) {
            static int nextId = 5000;
            auto h = runtime::make<runtime::DynamicObject>();
            h->setField("id", runtime::Value(++nextId));
            for (const char* p : {"scale_x", "scale_y", "alpha"}) h->setField(p, runtime::Value(1.0));
            h->setField("visible", runtime::Value(true));
            return runtime::Value(h);
        };
        fake.on("media_native_create_display_object", node);
        fake.on("media_native_create_display_object_container", node);
        fake.on("media_native_display_object_get_id",
                [](const std::vector<runtime::Value>& a) { return a[0].field("id"); });
        for (std::string p : {"x", "y", "scale_x", "scale_y", "alpha", "visible"}) {
            fake.on("media_native_display_object_get_" + p,
                    [p](const std::vector<runtime::Value>& a) { return a[0].field(p); });
            fake.on("media_native_display_object_set_" + p, [p](const std::vector<runtime::Value>& a) {
                a[0].setField(p, a[1]);
                return runtime::Value();
            });
        }
        fake.on("media_native_time_stamp",
                [this](const std::vector<runtime::Value>&) { return runtime::Value((ms + 0.5) / 1000.0); });
        fake.returns("media_native_stage_get_stage_width", runtime::Value(stageWidth));
        fake.returns("media_native_stage_get_stage_height", runtime::Value(stageHeight));
        fake.returns("media_native_filesystem_get_special_dir", runtime::Value(storageDir()));
        stage();
        ms = 1000;
        freshGlobals();
    }

    void TearDown() override {
        if (game) stage()->removeChild(game);
        game = nullptr;
        freshGlobals();
    }

    // The engine globals as the static initialiser leaves them, with no game.
    static void freshGlobals() {
        using engine::EngG;
        EngG::game = nullptr;
        EngG::keys = nullptr;
        EngG::mouse = nullptr;
        EngG::gamepads = nullptr;
        EngG::camera = nullptr;
        EngG::staticInit();
        engine::EngSplash::nextState = nullptr;
    }

    // A game of 960 x 540 whose first state is of the class, put on the stage.
    template <class State>
    runtime::Ref<engine::EngGame> startGame(int updateRate = 60, int drawRate = 60, bool skipSplash = true) {
        game = runtime::make<engine::EngGame>(960, 540, &State::staticClass(), 1.0, updateRate, drawRate, skipSplash);
        stage()->addChild(game);
        return game;
    }

    static const runtime::Ref<framework::Stage>& stage() { return programStage(); }

    static std::string storageDir() {
        return ::testing::TempDir() + "glv-engine-" + std::to_string(getpid());
    }

    // One camera of that size as the engine's only and main camera, without a game.
    static runtime::Ref<engine::EngCamera> soleCamera(int width, int height) {
        auto camera = runtime::make<engine::EngCamera>(0, 0, width, height, 1);
        engine::EngG::cameras->list = {camera};
        engine::EngG::camera = camera;
        return camera;
    }

    // Fake surfaces that remember the size they were made with (no pixels).
    static void sizedSurfaces() {
        auto& fake = media::FakeMediaModule::get();
        fake.on("media_native_bitmap_data_create", [](const std::vector<runtime::Value>& a) {
            auto h = runtime::make<runtime::DynamicObject>();
            h->setField("w", a[0]);
            h->setField("h", a[1]);
            return runtime::Value(h);
        });
        fake.on("media_native_bitmap_data_width", [](const std::vector<runtime::Value>& a) { return a[0].field("w"); });
        fake.on("media_native_bitmap_data_height", [](const std::vector<runtime::Value>& a) { return a[0].field("h"); });
    }

    // One stage frame, elapsed milliseconds after the previous one.
    void frame(int elapsed) {
        ms += elapsed;
        stage()->dispatchEvent(runtime::make<framework::Event>(framework::Event::ENTER_FRAME));
    }

    // A native key record through the stage's event handler: keyCode and charCode as the back
    // end reports them.
    void key(bool down, int keyCode, int charCode = 0) {
        using F = media::RecordField;
        stage()->processStageEvent_(media::FakeMediaModule::record(
            down ? media::RecordType::etKeyDown : media::RecordType::etKeyUp,
            {{F::id, stage()->id_}, {F::value, keyCode}, {F::code, charCode}, {F::flags, 0}}));
    }

    // Has the fake answer pointerX and pointerY as every display object's pointer position.
    void scriptPointer() {
        auto& fake = media::FakeMediaModule::get();
        fake.on("media_native_display_object_get_mouse_x",
                [this](const std::vector<runtime::Value>&) { return runtime::Value(pointerX); });
        fake.on("media_native_display_object_get_mouse_y",
                [this](const std::vector<runtime::Value>&) { return runtime::Value(pointerY); });
    }

    // A native mouse button record (button 0..2) at the scripted pointer, through the stage.
    void mouseButton(bool down, int index = 0) {
        using F = media::RecordField;
        stage()->processStageEvent_(media::FakeMediaModule::record(
            down ? media::RecordType::etMouseDown : media::RecordType::etMouseUp,
            {{F::id, stage()->id_}, {F::x, pointerX}, {F::y, pointerY}, {F::value, index}, {F::flags, 0}}));
    }

    int ms = 1000;
    double pointerX = 0;
    double pointerY = 0;
    int stageWidth = 960;
    int stageHeight = 540;
    runtime::Ref<engine::EngGame> game;
};
