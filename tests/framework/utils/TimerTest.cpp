#include "framework/utils/Timer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/media/fake/FakeMediaModule.h"
#include "platform/runtime/Function.h"
#include "platform/runtime/Trace.h"

using framework::Timer;
using media::FakeMediaModule;
using runtime::Function;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {

// A scripted back-end clock: the fake's time stamp answers `seconds`, and each test starts with
// an empty timer list.
class TimerTest : public ::testing::Test {
protected:
    void SetUp() override {
        FakeMediaModule::get().reset();
        Timer::initClass();
        Timer::sRunningTimers = make<runtime::Array>();
        FakeMediaModule::get().on("media_native_time_stamp", [this](const std::vector<Value>&) { return Value(seconds); });
    }
    void TearDown() override {
        Timer::sRunningTimers = make<runtime::Array>();
        FakeMediaModule::get().reset();
    }

    void at(double ms) { seconds = ms / 1000; }
    // A timer of the given period whose run appends name to the log.
    Ref<Timer> logging(double period, const std::string& name) {
        auto t = make<Timer>(period);
        t->run = Function::of([this, name] { log.push_back(name); });
        return t;
    }
    // Timers on the list, null entries included.
    std::vector<Timer*> entries() const {
        std::vector<Timer*> out;
        for (const Value& v : Timer::sRunningTimers->items) out.push_back(v.as<Timer>());
        return out;
    }

    double seconds = 0;
    std::vector<std::string> log;
};

TEST_F(TimerTest, ClockIsTheBackEndsSecondsAndZeroWhenItAnswersNothing) {
    seconds = 12.5;
    EXPECT_DOUBLE_EQ(Timer::stamp(), 12.5);
    EXPECT_DOUBLE_EQ(Timer::getMS(), 12500);
    FakeMediaModule::get().returns("media_native_time_stamp", Value());
    EXPECT_EQ(Timer::stamp(), 0);
}

TEST_F(TimerTest, ConstructionJoinsTheListAndIsDueOnePeriodLater) {
    at(1000);
    auto t = logging(100, "a");
    EXPECT_TRUE(t->mRunning);
    EXPECT_DOUBLE_EQ(t->mTime, 100);
    EXPECT_DOUBLE_EQ(t->mFireAt, 1100);
    ASSERT_EQ(entries(), std::vector<Timer*>{t.get()});

    for (double now : {1000.0, 1050.0, 1099.9}) {
        at(now);
        Timer::checkTimers_();
    }
    EXPECT_TRUE(log.empty());
    at(1100);
    Timer::checkTimers_();
    EXPECT_EQ(log.size(), 1u);
    EXPECT_DOUBLE_EQ(t->mFireAt, 1200);
    Timer::checkTimers_();  // same time again: not due
    EXPECT_EQ(log.size(), 1u);
}

TEST_F(TimerTest, DefaultRunDoesNothing) {
    auto t = make<Timer>(100);
    seconds = 0.1;
    Timer::checkTimers_();
    EXPECT_DOUBLE_EQ(t->mFireAt, 200);  // it fired: the due time moved on by one period
}

TEST_F(TimerTest, ALateTimerCatchesUpOnceEveryPollAndNextWakeIsZeroMeanwhile) {
    at(0);
    auto t = logging(50, "late");
    at(250);  // first poll 200 ms after the first due time (50)
    std::vector<double> dueTimes;
    for (int poll = 0; poll < 8; ++poll) {
        double dueBefore = t->mFireAt;
        size_t before = log.size();
        Timer::checkTimers_();
        EXPECT_LE(log.size() - before, 1u) << "poll " << poll;
        if (log.size() > before) dueTimes.push_back(dueBefore);
        EXPECT_EQ(Timer::nextWake_(315000000), t->mFireAt <= 250 ? 0.0 : (t->mFireAt - 250) * 0.001) << poll;
    }
    EXPECT_EQ(dueTimes, (std::vector<double>{50, 100, 150, 200, 250}));
    EXPECT_DOUBLE_EQ(t->mFireAt, 300);
}

TEST_F(TimerTest, NextWake) {
    EXPECT_DOUBLE_EQ(Timer::nextWake_(315000000), 315000);  // no timers: the limit

    at(0);
    auto slow = logging(500, "slow");
    auto fast = logging(120, "fast");
    at(20);
    EXPECT_DOUBLE_EQ(Timer::nextWake_(315000000), 0.1);  // the earliest, in seconds
    EXPECT_DOUBLE_EQ(Timer::nextWake_(30), 0.03);        // never beyond the limit

    at(120);  // one due exactly now
    EXPECT_EQ(Timer::nextWake_(315000000), 0);
    at(121);  // one overdue: 0 whatever else is on the list
    auto later = logging(10000, "later");
    EXPECT_EQ(Timer::nextWake_(315000000), 0);

    fast->stop();  // stopped timers are not waited for
    EXPECT_DOUBLE_EQ(Timer::nextWake_(315000000), 0.379);
}

TEST_F(TimerTest, PeriodZeroFiresOncePerPoll) {
    auto t = logging(0, "zero");
    for (int i = 0; i < 3; ++i) {
        Timer::checkTimers_();
        EXPECT_EQ(log.size(), static_cast<size_t>(i + 1));
        EXPECT_EQ(Timer::nextWake_(315000000), 0);
    }
}

TEST_F(TimerTest, FiringFollowsConstructionOrderAndSharesOneReadingOfTheClock) {
    at(0);
    auto a = logging(10, "a");
    auto b = make<Timer>(10);
    auto c = logging(11, "c");
    // b's run moves the clock past c's due time; c is still compared with the pass's reading.
    b->run = Function::of([this] {
        log.push_back("b");
        at(50);
    });
    at(10);
    Timer::checkTimers_();
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b"}));
    Timer::checkTimers_();
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "a", "b", "c"}));
    EXPECT_EQ(FakeMediaModule::get().count("media_native_time_stamp"), 3 + 2);  // 3 constructions + 2 passes
}

TEST_F(TimerTest, StopIsFinalAndHarmlessTwice) {
    auto t = logging(0, "t");
    auto other = logging(0, "other");
    t->stop();
    EXPECT_FALSE(t->mRunning);
    EXPECT_EQ(entries(), (std::vector<Timer*>{nullptr, other.get()}));  // keeps its length
    t->stop();
    EXPECT_EQ(entries(), (std::vector<Timer*>{nullptr, other.get()}));
    Timer::checkTimers_();
    EXPECT_EQ(log, std::vector<std::string>{"other"});
    EXPECT_EQ(entries(), std::vector<Timer*>{other.get()});  // compacted by the pass
}

TEST_F(TimerTest, StoppingItselfInsideRunCompactsAtTheEndOfThatPass) {
    auto t = make<Timer>(0);
    auto keep = logging(0, "keep");
    t->run = Function::of([this, raw = t.get()] {
        log.push_back("self");
        raw->stop();
        raw->stop();
    });
    Timer::checkTimers_();
    EXPECT_EQ(entries(), std::vector<Timer*>{keep.get()});
    Timer::checkTimers_();
    EXPECT_EQ(log, (std::vector<std::string>{"self", "keep", "keep"}));
}

TEST_F(TimerTest, StoppedBeforeItsTurnDoesNotFireAfterItsTurnHasFired) {
    auto first = logging(0, "first");
    auto stopper = make<Timer>(0);
    auto last = logging(0, "last");
    stopper->run = Function::of([&] {
        log.push_back("stopper");
        first->stop();  // already fired in this pass
        last->stop();   // not yet
    });
    Timer::checkTimers_();
    EXPECT_EQ(log, (std::vector<std::string>{"first", "stopper"}));
    // first's null sat behind the pass when it was left, but last's null was noted.
    EXPECT_EQ(entries(), std::vector<Timer*>{stopper.get()});
}

TEST_F(TimerTest, ANullLeftBehindThePassIsRemovedByALaterPass) {
    auto first = logging(0, "first");
    auto stopper = make<Timer>(0);
    stopper->run = Function::of([&] { first->stop(); });
    Timer::checkTimers_();
    EXPECT_EQ(entries(), (std::vector<Timer*>{nullptr, stopper.get()}));
    stopper->run = Function::of([] {});
    Timer::checkTimers_();
    EXPECT_EQ(entries(), std::vector<Timer*>{stopper.get()});
}

TEST_F(TimerTest, ATimerMadeInsideRunWaitsForTheNextPass) {
    Ref<Timer> child;
    auto parent = make<Timer>(0);
    parent->run = Function::of([&] {
        if (!child) child = logging(0, "child");
    });
    Timer::checkTimers_();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(entries(), (std::vector<Timer*>{parent.get(), child.get()}));
    Timer::checkTimers_();
    EXPECT_EQ(log, std::vector<std::string>{"child"});
}

TEST_F(TimerTest, AListReplacedDuringThePassIsReadFromThen) {
    auto a = make<Timer>(0);
    auto b = logging(0, "b");
    Ref<Timer> c;
    a->run = Function::of([&] {
        Timer::sRunningTimers = make<runtime::Array>();
        c = logging(0, "c");  // index 0 of the new list; index 1 is beyond its end
    });
    Timer::checkTimers_();
    EXPECT_TRUE(log.empty());
    // Entry 1 read beyond the end counts as null, so the new list was compacted (unchanged).
    EXPECT_EQ(entries(), std::vector<Timer*>{c.get()});
}

TEST_F(TimerTest, DelayRunsOnceAtThePollAfterItsTime) {
    at(0);
    int calls = 0;
    auto t = Timer::delay(Function::of([&] { ++calls; }), 0);
    Timer::checkTimers_();
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(t->mRunning);
    EXPECT_TRUE(entries().empty());  // gone after that same pass
    Timer::checkTimers_();
    EXPECT_EQ(calls, 1);

    auto later = Timer::delay(Function::of([&] { ++calls; }), 30);
    at(29);
    Timer::checkTimers_();
    EXPECT_EQ(calls, 1);
    at(500);
    Timer::checkTimers_();
    Timer::checkTimers_();
    EXPECT_EQ(calls, 2);
}

TEST_F(TimerTest, DelayTimerIsKeptByTheListUntilItFires) {
    int calls = 0;
    runtime::Weak<Timer> weak(Timer::delay(Function::of([&] { ++calls; }), 0).get());
    ASSERT_TRUE(weak);  // the owner dropped it; the list keeps it
    Timer::checkTimers_();
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(weak);  // stopped and compacted: nothing keeps it now
}

TEST_F(TimerTest, AThrowingRunEndsThePassWithItsDueTimeAdvanced) {
    at(0);
    auto first = make<Timer>(10);
    auto bad = make<Timer>(10);
    auto after = logging(10, "after");
    first->stop();
    bad->run = Function::of([]() -> void { runtime::Thrown::text("boom"); });
    at(10);
    try {
        Timer::checkTimers_();
        FAIL() << "the run's exception should leave the pass";
    } catch (const runtime::Thrown& e) {
        EXPECT_EQ(e.value().str(), "boom");
    }
    EXPECT_DOUBLE_EQ(bad->mFireAt, 20);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(entries().size(), 3u);  // no compaction in the interrupted pass

    bad->run = nullptr;  // a run set to nothing fails the same way
    at(20);
    EXPECT_THROW(Timer::checkTimers_(), runtime::Thrown);
    EXPECT_TRUE(log.empty());  // the timer after it still waits
    bad->stop();
    Timer::checkTimers_();
    EXPECT_EQ(log, std::vector<std::string>{"after"});
    EXPECT_DOUBLE_EQ(after->mFireAt, 20);
}

TEST_F(TimerTest, MeasureTracesTheElapsedSecondsAtTheCallersLine) {
    std::vector<std::string> lines;
    runtime::Trace::setHandler([&](const Value& v, const runtime::Trace::Position& p) {
        lines.push_back(std::string(p.file) + ":" + std::to_string(p.line) + " " + v.toText());
    });
    seconds = 3;
    auto work = Function::of([this] {
        seconds = 3.25;
        return 42;
    });
    Value result = Timer::measure(work);
    int line = __LINE__ - 1;
    runtime::Trace::setHandler(nullptr);
    EXPECT_EQ(result.toInt(), 42);
    EXPECT_EQ(lines, std::vector<std::string>{"TimerTest.cpp:" + std::to_string(line) + " 0.25s"});
}

TEST_F(TimerTest, AnEmptyClockSlotFailsEveryClockReading) {
    runtime::Primitive saved = Timer::media_time_stamp;
    Timer::media_time_stamp = nullptr;
    auto expectNullFunction = [](auto&& f) {
        try {
            f();
            ADD_FAILURE() << "no failure";
        } catch (const runtime::Thrown& e) {
            EXPECT_EQ(e.value().str(), runtime::Thrown::NULL_FUNCTION);
        }
    };
    expectNullFunction([] { Timer::stamp(); });
    expectNullFunction([] { Timer::getMS(); });
    expectNullFunction([] { Timer::checkTimers_(); });
    expectNullFunction([] { Timer::nextWake_(1); });
    expectNullFunction([] { Timer::measure(Function::of([] {})); });
    expectNullFunction([] { make<Timer>(10); });
    EXPECT_TRUE(entries().empty());  // a timer that failed to be made is not left on the list
    Timer::media_time_stamp = saved;
}

TEST_F(TimerTest, ReachableByName) {
    const runtime::ClassInfo* ci = runtime::ClassInfo::find("framework._native.utils.Timer");
    ASSERT_NE(ci, nullptr);
    Value args[] = {Value(25.0)};
    Ref<runtime::Object> t = ci->create(args, 1);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->getField("mTime").toFloat(), 25);
    EXPECT_TRUE(t->getField("mRunning").toBool());
    EXPECT_EQ(Timer::sRunningTimers->at(0).object(), t.get());
    Value wake = ci->findStatic("__nextWake")->read(nullptr, true).function()->operator()(1000.0);
    EXPECT_DOUBLE_EQ(wake.toFloat(), 0.025);
}

}  // namespace
