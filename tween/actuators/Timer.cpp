#include "Timer.h"

#include <algorithm>
#include <chrono>

#include "platform/runtime/Numbers.h"

namespace tween {

using runtime::Ref;
using runtime::Value;

Timer::Timer(double time) : mTime(time), run(runtime::Function::of([] {})) {
    sRunningTimers.emplace_back(this);
    mRunning = true;
    mFireAt = GetMS() + mTime;
}

void Timer::stop() {
    if (!mRunning) return;
    mRunning = false;
    auto it = std::find(sRunningTimers.begin(), sRunningTimers.end(), Ref<Timer>(this));
    if (it != sRunningTimers.end()) sRunningTimers.erase(it);
}

Ref<Timer> Timer::delay(const Ref<runtime::Function>& f, double time) {
    auto t = runtime::make<Timer>(time);
    runtime::Weak<Timer> weak(t.get());
    t->run = runtime::Function::of([weak, f] {
        if (Timer* self = weak.get()) self->stop();
        if (f) (*f)();
    });
    return t;
}

Value Timer::measure(const Ref<runtime::Function>& f, const runtime::Trace::Position& pos) {
    double t0 = stamp();
    Value r = f ? (*f)() : Value();
    runtime::Trace::write(Value(runtime::Numbers::toText(stamp() - t0) + "s"), pos);
    return r;
}

double Timer::stamp() {
    using namespace std::chrono;
    return duration<double>(system_clock::now().time_since_epoch()).count();
}

RUNTIME_DEFINE_CLASS(Timer, "tween.actuators.Timer", runtime::Object, (auto& b) {
    b.template field<&Timer::mTime>("mTime")
        .template field<&Timer::mFireAt>("mFireAt")
        .template field<&Timer::mRunning>("mRunning")
        .template field<&Timer::run>("run")
        .template method<&Timer::stop>("stop")
        .template staticMethod<&Timer::stamp>("stamp")
        .template staticMethod<&Timer::GetMS>("GetMS")
        .constructor([](const runtime::Value* v, int n) -> Ref<runtime::Object> {
            return runtime::make<Timer>(n > 0 ? v[0].toFloat() : 0.0);
        });
})

}  // namespace tween
