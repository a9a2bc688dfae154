#pragma once
// Tweens on a scripted clock: one stage over the fake back end (scripted as a node store that
// keeps x, y, rotation, alpha and visible per node), frames driven by broadcasting "enterFrame"
// on it, and media_native_time_stamp answering the fixture's clock.
#include "tests/support/ProgramStage.h"
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Lib.h"
#include "framework/display/MovieClip.h"
#include "framework/display/Sprite.h"
#include "framework/display/Stage.h"
#include "framework/events/Event.h"
#include "platform/media/fake/FakeMediaModule.h"
#include "platform/runtime/DynamicObject.h"
#include "tween/Tweener.h"
#include "tween/actuators/SimpleActuator.h"

class TweenFixture : public ::testing::Test {
protected:
    void SetUp() override {
        auto& fake = media::FakeMediaModule::get();
        fake.reset();
        auto node = [](const std::vector<runtime::Value>&) {
            static int nextId = 1000;
            auto h = runtime::make<runtime::DynamicObject>();
            h->setField("id", runtime::Value(++nextId));
            h->setField("visible", runtime::Value(true));
            h->setField("alpha", runtime::Value(1.0));
            return runtime::Value(h);
        };
        fake.on("media_native_create_display_object", node);
        fake.on("media_native_create_display_object_container", node);
        fake.on("media_native_display_object_get_id",
                [](const std::vector<runtime::Value>& a) { return a[0].field("id"); });
        for (std::string p : {"x", "y", "rotation", "alpha", "visible"}) {
            fake.on("media_native_display_object_get_" + p,
                    [p](const std::vector<runtime::Value>& a) { return a[0].field(p); });
            fake.on("media_native_display_object_set_" + p, [p](const std::vector<runtime::Value>& a) {
                a[0].setField(p, a[1]);
                return runtime::Value();
            });
        }
        fake.on("media_native_time_stamp", [this](const std::vector<runtime::Value>&) { return runtime::Value(clock); });
        stage();
        clock = 0;
    }

    void TearDown() override {
        tween::Tweener::reset();
        frame(clock);  // drops the stopped actuators
        EXPECT_TRUE(tween::SimpleActuator::actuators.empty());
    }

    // The one stage of the program, the root clip on it.
    static const runtime::Ref<framework::Stage>& stage() { return programStage(); }

    // One frame at clock time t (seconds).
    void frame(double t) {
        clock = t;
        stage()->dispatchEvent(runtime::make<framework::Event>(framework::Event::ENTER_FRAME));
    }

    static runtime::Ref<runtime::DynamicObject> record(
        std::initializer_list<std::pair<std::string, runtime::Value>> fields) {
        return runtime::make<runtime::DynamicObject>(fields);
    }

    double clock = 0;
};
