// The stage over the real back end, headless: frame rate, the written frame, quitting.
#include <gtest/gtest.h>

#include <cstdlib>

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#include <stb/stb_image.h>

#include "framework/Lib.h"
#include "framework/display/ManagedStage.h"
#include "framework/utils/Timer.h"
#include "platform/runtime/DynamicObject.h"

using framework::Lib;
using runtime::Value;

TEST(StageNative, SixtyFramesASecondAndTheStageColourReachesTheFrame) {
    std::string png = ::testing::TempDir() + "stage-red.png";
    std::remove(png.c_str());
    setenv("MEDIA_NATIVE_SNAPSHOT", png.c_str(), 1);
    int frames = 0;
    double first = -1, last = -1;
    auto onLoaded = runtime::Function::of([&] {
        auto stage = Lib::get_stage();
        stage->set_color(0xFF0000);
        stage->addEventListener("enterFrame", runtime::Function::of([&](Value) {
            double now = framework::Timer::stamp();
            if (first < 0) first = now;
            last = now;
            ++frames;
            if (now - first >= 2.0) Lib::close();
        }));
    });
    Lib::create(onLoaded, 960, 540, 60, 0xFFFFFF, Lib::RESIZABLE, "Stage test");
    unsetenv("MEDIA_NATIVE_SNAPSHOT");
    // About 121 frames in two seconds; a loaded machine may drop a few, never add any.
    EXPECT_GE(frames, 100);
    EXPECT_LE(frames, 125);
    int w = 0, h = 0, n = 0;
    unsigned char* pixels = stbi_load(png.c_str(), &w, &h, &n, 4);
    ASSERT_NE(pixels, nullptr);
    EXPECT_EQ(w, 960);
    EXPECT_EQ(h, 540);
    int notRed = 0;
    for (int i = 0; i < w * h; ++i)
        if (pixels[i * 4] != 255 || pixels[i * 4 + 1] != 0 || pixels[i * 4 + 2] != 0) ++notRed;
    stbi_image_free(pixels);
    EXPECT_EQ(notRed, 0);
}

TEST(StageNative, AQuitRecordEndsTheLoop) {
    bool quitSeen = false;
    auto onLoaded = runtime::Function::of([&] {
        auto stage = Lib::get_stage();
        auto rec = runtime::make<runtime::DynamicObject>();
        rec->setField("type", Value(10));
        quitSeen = true;
        stage->doProcessStageEvent_(Value(rec));
    });
    Lib::create(onLoaded, 320, 200, 60, 0, 0, "quit");
    EXPECT_TRUE(quitSeen);
    EXPECT_TRUE(framework::Stage::exiting_);
}

TEST(StageNative, ASecondCreateFailsUnlessSilent) {
    auto onLoaded = runtime::Function::of([] { Lib::close(); });
    Lib::create(onLoaded, 100, 100);
    try {
        Lib::create(onLoaded, 100, 100);
        FAIL();
    } catch (const runtime::Thrown& t) {
        EXPECT_EQ(t.value().toText(),
                  "flash.Lib.create called multiple times. This function is automatically called by the project code.");
    }
    int again = 0;
    Lib::silentRecreate = true;
    Lib::create(runtime::Function::of([&again] { ++again; }), 100, 100);
    EXPECT_EQ(again, 1);
}

TEST(StageNative, AManagedStageRunsThePollBeforeEachEventAndReportsItsWake) {
    auto stage = Lib::createManagedStage(800, 600, 0);
    std::vector<double> wakes;
    int renders = 0;
    stage->setNextWake = runtime::Function::of([&wakes](double w) { wakes.push_back(w); });
    stage->beginRender = runtime::Function::of([&renders] { ++renders; });
    int resized = 0;
    stage->addEventListener("resize", runtime::Function::of([&resized](Value) { ++resized; }));
    stage->resize(640, 480);  // pumps a resize record; no window is involved
    EXPECT_EQ(resized, 1);
    EXPECT_EQ(stage->get_stageWidth(), 640);
    EXPECT_EQ(wakes.size(), 1u);
    EXPECT_GE(renders, 1);
    stage->setNextWake = nullptr;
    std::string failure;
    Lib::setUncaughtExceptionHandler(runtime::Function::of([&failure](Value e) {
        failure = e.field("error").toText();
        return true;
    }));
    stage->resize(10, 10);
    Lib::setUncaughtExceptionHandler(nullptr);
    EXPECT_EQ(failure, "Null Function Pointer");
    stage->setNextWake = runtime::Function::of([](double) {});
    Lib::setCurrentStage_(nullptr);
}
