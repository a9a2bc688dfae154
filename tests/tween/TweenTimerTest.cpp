// Timers on the tween clock (Tweener::timer) and the wall-clock timer records.
#include "TweenFixture.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Trace.h"
#include "tween/TweenTimer.h"
#include "tween/actuators/Timer.h"
#include "tween/easing/Linear.h"

using runtime::Function;
using runtime::make;
using runtime::Ref;
using runtime::Value;
using tween::Tweener;

class TweenTimerTest : public TweenFixture {
protected:
    Ref<Function> logger(const std::string& what) {
        return Function::of([this, what] { log.push_back(what + "@" + runtime::Numbers::toText(clock)); });
    }
    static double progress(const Ref<tween::GenericActuator>& a) {
        return a->get_target().cast<tween::TweenTimer>()->progress;
    }
    std::vector<std::string> log;
};

TEST_F(TweenTimerTest, TimersCompleteInTheFrameTheirTimeIsReachedInOrderOfStart) {
    auto slow = Tweener::timer(2);
    double last = -1;
    // The timer object lives while its tween runs; the handlers see it.
    slow->onUpdate(Function::of([&] { last = progress(slow); }))->onComplete(logger("slow"));
    auto fast = Tweener::timer(1);
    fast->onComplete(logger("fast"));
    // Two passes of 1 s: one repetition, then completion.
    Tweener::timer(1)->repeat(1)->onRepeat(logger("repeat"))->onComplete(logger("repeated"));
    // Started in the same frame, a timer with the same duration ends in the same frame, after.
    Tweener::timer(1)->onComplete(logger("fast too"));
    frame(0.5);
    EXPECT_DOUBLE_EQ(progress(fast), 0.96875);  // the default ease
    for (double t : {0.9, 1.0, 1.5, 2.0, 2.5}) frame(t);
    EXPECT_EQ(log, (std::vector<std::string>{"fast@1", "repeat@1", "fast too@1", "slow@2", "repeated@2"}));
    EXPECT_DOUBLE_EQ(last, 1);
    EXPECT_FALSE(Tweener::isActive());
}

TEST_F(TweenTimerTest, ProgressFollowsTheEaseAndZeroDurationCompletesAtOnce) {
    auto a = Tweener::timer(1);
    a->ease(tween::Linear::get_easeNone());
    frame(0.5);
    EXPECT_DOUBLE_EQ(progress(a), 0.5);
    Tweener::pause(a);
    frame(1.5);
    Tweener::resume(a);
    frame(1.75);
    EXPECT_DOUBLE_EQ(progress(a), 0.75);

    Tweener::timer(0)->onComplete(logger("now"));
    EXPECT_EQ(log, std::vector<std::string>{"now@1.75"});
}

TEST(TweenWallTimer, DelayListsTheTimerUntilItStops) {
    bool called = false;
    auto t = tween::Timer::delay(Function::of([&] { called = true; }), 100);
    EXPECT_TRUE(t->mRunning);
    EXPECT_NEAR(t->mFireAt, tween::Timer::GetMS() + 100, 1000);
    ASSERT_EQ(tween::Timer::sRunningTimers.size(), 1u);
    EXPECT_EQ(tween::Timer::sRunningTimers[0].get(), t.get());
    // Its work stops it first.
    (*t->run)();
    EXPECT_TRUE(called);
    EXPECT_FALSE(t->mRunning);
    EXPECT_TRUE(tween::Timer::sRunningTimers.empty());
    t->stop();
    EXPECT_TRUE(tween::Timer::sRunningTimers.empty());
}

TEST(TweenWallTimer, MeasureTracesTheTimeAndGivesTheResult) {
    std::string line;
    runtime::Trace::setHandler([&](const Value& v, const runtime::Trace::Position& pos) {
        line = std::string(pos.file) + ":" + v.toText();
    });
    Value r = TWEEN_MEASURE(Function::of([] { return 7; }));
    runtime::Trace::setHandler(nullptr);
    EXPECT_EQ(r.toInt(), 7);
    EXPECT_EQ(line.rfind("TweenTimerTest.cpp:", 0), 0u) << line;
    EXPECT_EQ(line.back(), 's');
}
