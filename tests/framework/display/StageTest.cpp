#include <cmath>

#include "DisplayFixture.h"
#include "framework/events/UncaughtErrorEvent.h"
#include "framework/utils/Timer.h"

using framework::Event;
using framework::Stage;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {
class StageClock : public DisplayFixture {
protected:
    void SetUp() override {
        DisplayFixture::SetUp();
        auto& fake = media::FakeMediaModule::get();
        fake.on("media_native_time_stamp", [this](const std::vector<Value>&) { return Value(now); });
        fake.on("media_native_stage_set_next_wake", [this](const std::vector<Value>& a) {
            wakes.push_back(a[1].toFloat());
            return Value();
        });
        stage = makeStage();
        stage->set_frameRate(60);
        stage->addEventListener("enterFrame", runtime::Function::of([this](Value) { frames.push_back(now); }));
    }
    void TearDown() override { stage->removeChildren(); }

    double poll(double at) {
        now = at;
        return stage->doProcessStageEvent_(media::FakeMediaModule::record(media::RecordType::etPoll));
    }

    double now = 0;
    std::vector<double> frames;
    std::vector<double> wakes;
    Ref<Stage> stage;
};

constexpr double P = 1.0 / 60.0;
}  // namespace

TEST_F(StageClock, FramesFallOnAFixedGridAndLateFramesAreDropped) {
    // Polls every 50 ms: one frame each, the next due time is the grid point after the poll.
    for (int i = 1; i <= 4; ++i) poll(0.05 * i);
    EXPECT_EQ(frames.size(), 4u);
    // The first grid point at or after the last poll (the sum of periods may land a hair below it).
    EXPECT_GE(stage->nextRender_, 0.2 - 1e-9);
    EXPECT_LT(stage->nextRender_ - P, 0.2);
    EXPECT_NEAR(std::fmod(stage->nextRender_ + 1e-12, P), 0, 1e-9);
    EXPECT_EQ(media::FakeMediaModule::get().count("media_native_render_stage"), 4);
    // Before the due time nothing renders.
    poll(stage->nextRender_ - 0.001);
    EXPECT_EQ(frames.size(), 4u);
}

TEST_F(StageClock, APollExactlyOnTheGridRendersAndPollsAgainRender) {
    double due = stage->nextRender_;
    poll(due);
    EXPECT_EQ(frames.size(), 1u);
    EXPECT_EQ(stage->nextRender_, due);
    poll(due);
    EXPECT_EQ(frames.size(), 2u);
}

TEST_F(StageClock, SleepTimeIsTheNextFrameLessTheEarlyWakeOrTheNextTimer) {
    double wake = poll(0.001);
    EXPECT_NEAR(wake, P - 0.001 - 0.005, 1e-9);
    // Frame rate 0: no frames; with no timer the wake is 315000 s.
    stage->set_frameRate(0);
    EXPECT_NEAR(poll(1.0), 315000.0, 1e-6);
    EXPECT_EQ(frames.size(), 0u);
    // A timer due sooner than anything else wins.
    auto timer = make<framework::Timer>(100.0);
    EXPECT_NEAR(poll(1.0), 0.1, 1e-6);
    timer->stop();
    // Inactive (and pausing): the frame clock is ignored, nothing renders, not even by a late poll.
    stage->set_frameRate(60);
    stage->setActive_(false);
    EXPECT_NEAR(poll(2.0), 315000.0, 1e-6);
    EXPECT_EQ(frames.size(), 0u);
    stage->pauseWhenDeactivated = false;
    poll(3.0);
    EXPECT_EQ(frames.size(), 0u);
}

TEST_F(StageClock, ActivationPollsAtOnceAndResizeRendersWithoutEnterFrame) {
    stage->setActive_(false);
    std::vector<std::string> log;
    stage->addEventListener("activate", runtime::Function::of([&log](Value) { log.push_back("activate"); }));
    now = 1.0;
    stage->setActive_(true);
    EXPECT_EQ(log, std::vector<std::string>{"activate"});
    EXPECT_EQ(frames.size(), 1u);  // the immediate poll rendered a due frame
    int renders = media::FakeMediaModule::get().count("media_native_render_stage");
    stage->doProcessStageEvent_(media::FakeMediaModule::record(media::RecordType::etResize));
    EXPECT_EQ(frames.size(), 1u);
    EXPECT_EQ(media::FakeMediaModule::get().count("media_native_render_stage"), renders + 1);
    stage->renderRequest = runtime::Function::of([] {});
    stage->doProcessStageEvent_(media::FakeMediaModule::record(media::RecordType::etResize));
    EXPECT_EQ(media::FakeMediaModule::get().count("media_native_render_stage"), renders + 1);
}

TEST_F(StageClock, AThrowingEnterFrameListenerReachesRethrowAndTheWakeIsStillSet) {
    Ref<framework::UncaughtErrorEvent> seen;
    framework::Lib::setUncaughtExceptionHandler(runtime::Function::of([&seen](Value e) {
        seen = Ref<framework::UncaughtErrorEvent>(e.as<framework::UncaughtErrorEvent>());
        return true;
    }));
    bool laterListener = false;
    stage->addEventListener("enterFrame", runtime::Function::of([](Value) { runtime::Thrown::text("boom"); }), false, 5);
    stage->addEventListener("enterFrame", runtime::Function::of([&laterListener](Value) { laterListener = true; }), false, -5);
    std::size_t wakesBefore = wakes.size();
    poll(1.0);
    framework::Lib::setUncaughtExceptionHandler(nullptr);
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->error.toText(), "boom");
    EXPECT_FALSE(laterListener);
    EXPECT_EQ(media::FakeMediaModule::get().count("media_native_render_stage"), 0);
    EXPECT_EQ(wakes.size(), wakesBefore + 1);
}

TEST_F(StageClock, UnhandledErrorsGoToStandardErrorAndExitWithOne) {
    stage->addEventListener("enterFrame", runtime::Function::of([](Value) { runtime::Thrown::text("fatal frame"); }));
    EXPECT_EXIT(poll(1.0), ::testing::ExitedWithCode(1), "fatal frame");
}

TEST_F(StageClock, PropertiesConvertEnumerationsAndSizes) {
    auto& fake = media::FakeMediaModule::get();
    stage->set_align(framework::StageAlign::TOP_LEFT);
    stage->set_scaleMode(framework::StageScaleMode::NO_SCALE);
    stage->set_displayState(framework::StageDisplayState::FULL_SCREEN_INTERACTIVE);
    EXPECT_EQ(fake.callsTo("media_native_stage_set_align")[0].args[1].toInt(), 1);
    EXPECT_EQ(fake.callsTo("media_native_stage_set_scale_mode")[0].args[1].toInt(), 1);
    EXPECT_EQ(fake.callsTo("media_native_stage_set_display_state")[0].args[1].toInt(), 2);
    fake.returns("media_native_stage_get_stage_width", Value(960.7));
    EXPECT_EQ(stage->get_stageWidth(), 960);
    fake.returns("media_native_stage_get_stage_width", Value("wide"));
    EXPECT_THROW(stage->get_stageWidth(), runtime::Thrown);
    EXPECT_EQ(stage->get_color(), 0);
    EXPECT_EQ(stage->get_softKeyboardRect(), stage->get_softKeyboardRect());
    stage->set_focus(nullptr);
    auto focus = fake.callsTo("media_native_stage_set_focus");
    EXPECT_TRUE(focus[0].args[1].isNull());
    EXPECT_EQ(focus[0].args[2].toInt(), 0);
    EXPECT_TRUE(runtime::call(Stage::shouldRotateInterface, 1).toBool());
    EXPECT_FALSE(runtime::call(Stage::shouldRotateInterface, 3).toBool());
}
