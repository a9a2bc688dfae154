// Drives the real media-native module headless (SDL's dummy video driver).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "platform/media/MediaPrimitives.h"
#include "platform/runtime/Function.h"
#include "platform/system/ModuleLoader.h"

using runtime::Value;

namespace {
runtime::Primitive prim(const std::string& name, int argc) {
    return runtime::Primitive(sys::ModuleLoader::systemResolve("media-native", sys::ModuleLoader::symbolName(name, argc)));
}
}  // namespace

TEST(NativeBackend, ExportsOnlyListedPrimitivesWithTheirCounts) {
    int found = 0;
    for (const auto& e : media::MediaPrimitives::all()) {
        std::string name(e.name);
        if (prim(name, e.argCount)) ++found;
        // Never under another arity.
        for (int n : {0, 1, 2, 3, 4, 5, -1}) {
            if (n == e.argCount) continue;
            EXPECT_FALSE(prim(name, n)) << name << " " << n;
        }
    }
    EXPECT_GE(found, 12);
    EXPECT_TRUE(prim("media_native_create_main_frame", -1));
    EXPECT_TRUE(prim("media_native_time_stamp", 0));
}

TEST(NativeBackend, ClockStartsNearZero) {
    double t = prim("media_native_time_stamp", 0)().toFloat();
    EXPECT_GE(t, 0.0);
    EXPECT_LT(t, 600.0);
}

TEST(NativeBackend, MainLoopPollsAtTheRequestedWakeAndPresentsFrames) {
    auto create = prim("media_native_create_main_frame", -1);
    auto getStage = prim("media_native_get_frame_stage", 1);
    auto setHandler = prim("media_native_set_stage_handler", 4);
    auto setWake = prim("media_native_stage_set_next_wake", 2);
    auto render = prim("media_native_render_stage", 1);
    auto close = prim("media_native_close", 0);
    auto stamp = prim("media_native_time_stamp", 0);

    std::string png = ::testing::TempDir() + "frame.png";
    std::remove(png.c_str());
    setenv("MEDIA_NATIVE_SNAPSHOT", png.c_str(), 1);

    int polls = 0;
    double first = 0, last = 0;
    auto onFrame = runtime::Function::of([&](Value frame) {
        Value stage = getStage(frame);
        ASSERT_FALSE(stage.isNull());
        setHandler(stage, runtime::Function::of([&, stage](Value ev) {
            if (ev.field("type").toInt() == 9) {
                double now = stamp().toFloat();
                if (polls == 0) first = now;
                last = now;
                if (++polls == 20) close();
                render(stage);
            }
            setWake(stage, 0.01);
        }), 64, 48);
    });
    create(onFrame, 64, 48, 4, "test", nullptr);
    unsetenv("MEDIA_NATIVE_SNAPSHOT");

    EXPECT_EQ(polls, 20);
    // 19 waits of 10 ms: not early, and not wildly late.
    EXPECT_GE(last - first, 0.18);
    EXPECT_LT(last - first, 2.0);
    std::ifstream f(png, std::ios::binary);
    ASSERT_TRUE(f.good());
    char sig[8] = {};
    f.read(sig, 8);
    EXPECT_EQ(std::string(sig + 1, 3), "PNG");
}

TEST(NativeBackend, HandlerExceptionsDoNotEscapeTheModule) {
    auto create = prim("media_native_create_main_frame", -1);
    auto getStage = prim("media_native_get_frame_stage", 1);
    auto setHandler = prim("media_native_set_stage_handler", 4);
    auto close = prim("media_native_close", 0);
    int calls = 0;
    auto onFrame = runtime::Function::of([&](Value frame) {
        Value stage = getStage(frame);
        setHandler(stage, runtime::Function::of([&](Value) {
            if (++calls == 3) close();
            runtime::Thrown::text("boom");
        }), 32, 32);
    });
    ::testing::internal::CaptureStderr();
    create(onFrame, 32, 32, 0, "t", nullptr);
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(calls, 3);
    EXPECT_NE(err.find("boom"), std::string::npos);
}
