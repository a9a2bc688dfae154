#include "Timer.h"

#include "framework/Lib.h"
#include "platform/runtime/Args.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Trace.h"

namespace framework {

namespace {
const runtime::Ref<runtime::Function>& doNothing() {
    static const runtime::Ref<runtime::Function> f = runtime::Function::of([] {});
    return f;
}
}  // namespace

void Timer::initClass() {
    static const bool done = [] {
        media_time_stamp = MEDIA_LOAD(media_native_time_stamp);
        sRunningTimers = runtime::make<runtime::Array>();
        return true;
    }();
    (void)done;
}

runtime::Array& Timer::list() {
    initClass();
    if (!sRunningTimers) sRunningTimers = runtime::make<runtime::Array>();
    return *sRunningTimers;
}

Timer::Timer(double time) : mTime(time), run(doNothing()) {
    // The clock is read before the timer joins the list, so a failing clock leaves no entry
    // behind for an object that was never made.
    double fireAt = stamp() * 1000 + time;
    list().push(runtime::Value(this));
    mRunning = true;
    mFireAt = fireAt;
}

void Timer::stop() {
    if (!mRunning) return;
    mRunning = false;
    for (runtime::Value& entry : list().items) {
        if (entry.object() == this) {
            entry = runtime::Value();
            break;
        }
    }
}

void Timer::check_(double now) {
    if (now < mFireAt) return;
    mFireAt += mTime;
    runtime::call(run);
}

double Timer::stamp() {
    initClass();
    return media_time_stamp().toFloat();
}

double Timer::getMS() { return stamp() * 1000; }

runtime::Ref<Timer> Timer::delay(const runtime::Ref<runtime::Function>& f, int time) {
    auto timer = runtime::make<Timer>(time);
    // Weak: the timer owns its run function and must not own itself through it.
    runtime::Weak<Timer> weak(timer.get());
    timer->run = runtime::Function::of([weak, f] {
        if (runtime::Ref<Timer> t = weak.lock()) t->stop();
        runtime::call(f);
    });
    return timer;
}

runtime::Value Timer::measure(const runtime::Ref<runtime::Function>& f, std::source_location where) {
    double start = stamp();
    runtime::Value result = runtime::call(f);
    double elapsed = stamp() - start;
    runtime::Trace::write(runtime::Value(runtime::Numbers::toText(elapsed) + "s"),
                          {runtime::Trace::baseName(where.file_name()), static_cast<int>(where.line())});
    return result;
}

Timer* Timer::entryAt(int i) {
    const std::vector<runtime::Value>& items = list().items;
    return i < static_cast<int>(items.size()) ? dynamic_cast<Timer*>(items[static_cast<std::size_t>(i)].object())
                                              : nullptr;
}

bool Timer::entryIsNull(int i) {
    const std::vector<runtime::Value>& items = list().items;
    return i >= static_cast<int>(items.size()) || items[static_cast<std::size_t>(i)].isNull();
}

void Timer::checkTimers_() {
    double now = stamp() * 1000;
    int n = list().length();
    bool sawNull = false;
    for (int i = 0; i < n; ++i) {
        // A run function may have grown or replaced the list: read it afresh for every entry.
        if (Timer* entry = entryAt(i)) {
            runtime::Ref<Timer> keep(entry);  // its run may drop the list that holds it
            entry->check_(now);
        }
        if (!sawNull && entryIsNull(i)) sawNull = true;
    }
    if (!sawNull) return;
    auto kept = runtime::make<runtime::Array>();
    for (const runtime::Value& entry : list().items)
        if (!entry.isNull()) kept->push(entry);
    sRunningTimers = kept;
}

double Timer::nextWake_(double limit) {
    double now = stamp() * 1000;
    double sleep = limit;
    for (const runtime::Value& entry : list().items) {
        auto* timer = dynamic_cast<Timer*>(entry.object());
        if (!timer) continue;
        double wake = timer->mFireAt - now;
        if (wake < sleep) {
            sleep = wake;
            if (wake < 0) return 0;
        }
    }
    return sleep * 0.001;
}

}  // namespace framework

using framework::Timer;

RUNTIME_DEFINE_CLASS(Timer, "framework._native.utils.Timer", runtime::Object, (auto& b) {
    b.template field<&Timer::mTime>("mTime")
        .template field<&Timer::mFireAt>("mFireAt")
        .template field<&Timer::mRunning>("mRunning")
        .template field<&Timer::run>("run")
        .template method<&Timer::stop>("stop")
        .template method<&Timer::check_>("__check")
        .template staticField<&Timer::sRunningTimers>("sRunningTimers")
        .template staticMethod<&Timer::stamp>("stamp")
        .template staticMethod<&Timer::getMS>("getMS")
        .template staticMethod<&Timer::delay>("delay")
        .template staticMethod<&Timer::checkTimers_>("__checkTimers")
        .template staticMethod<&Timer::nextWake_>("__nextWake")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            return runtime::make<Timer>(runtime::Args(v, n).number(0));
        });
})
