#pragma once
// A wall-clock timer record: constructing one lists it in sRunningTimers until stop. Nothing
// compares mFireAt with the clock or calls run; the tween clock's timers are Tweener::timer.
#include <vector>

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Trace.h"

namespace tween {

class Timer : public runtime::Object {
    RUNTIME_CLASS(Timer)
public:
    // time in milliseconds.
    explicit Timer(double time);
    explicit Timer(runtime::NoInit) {}

    // Leaves sRunningTimers; a second call does nothing.
    virtual void stop();

    // A new timer whose run stops it and then calls f.
    static runtime::Ref<Timer> delay(const runtime::Ref<runtime::Function>& f, double time);
    // Calls f, traces how long it took as "<seconds>s" at pos, and gives f's result.
    static runtime::Value measure(const runtime::Ref<runtime::Function>& f, const runtime::Trace::Position& pos);
    // The system clock's date and time in seconds.
    static double stamp();
    static double GetMS() { return stamp() * 1000; }

    static inline std::vector<runtime::Ref<Timer>> sRunningTimers;

    double mTime = 0;
    double mFireAt = 0;
    bool mRunning = false;
    runtime::Ref<runtime::Function> run;
};

}  // namespace tween

// Timer::measure at the caller's source position.
#define TWEEN_MEASURE(f) \
    ::tween::Timer::measure((f), ::runtime::Trace::Position{::runtime::Trace::baseName(__FILE__), __LINE__})
