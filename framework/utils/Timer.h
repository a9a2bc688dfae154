#pragma once
// The framework clock and its repeating timers. Nothing fires on its own: the stage's poll calls
// checkTimers_ to run every due timer and asks nextWake_ how long the back end may sleep.
// Periods and due times are milliseconds; stamp() is seconds on the back end's clock.
#include <source_location>

#include "platform/runtime/Array.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Primitive.h"

namespace framework {

class Timer : public runtime::Object {
    RUNTIME_CLASS(Timer)
public:
    // Every constructed timer, in order of construction; a stopped timer's entry is null until
    // the next pass of checkTimers_ that notices it. Holds the timers strongly.
    static inline runtime::Ref<runtime::Array> sRunningTimers;
    static inline runtime::Primitive media_time_stamp;
    // Looks the clock primitive up once and starts with an empty timer list.
    static void initClass();

    // Running from here on; first due one period from now.
    explicit Timer(double time);
    explicit Timer(runtime::NoInit) {}

    // Takes the timer off the list for good; stopping twice does nothing.
    virtual void stop();
    // Fires when now (milliseconds) has reached the due time, advancing it by one period first.
    virtual void check_(double now);

    // The back end's clock in seconds (0 when it answers nothing).
    static double stamp();
    static double getMS();
    // Runs f once, time milliseconds from now (at the first poll after that).
    static runtime::Ref<Timer> delay(const runtime::Ref<runtime::Function>& f, int time);
    // Calls f, traces the seconds it took ("0.25s") at the caller's position and returns f's value.
    static runtime::Value measure(const runtime::Ref<runtime::Function>& f,
                                  std::source_location where = std::source_location::current());
    // One poll: fires every due timer at most once, all compared with one reading of the clock.
    static void checkTimers_();
    // Seconds until the next timer is due, at most limit milliseconds; 0 when one is overdue.
    static double nextWake_(double limit);

    double mTime = 0;
    double mFireAt = 0;
    bool mRunning = false;
    // What the timer does when due; does nothing until the owner sets it.
    runtime::Ref<runtime::Function> run;

private:
    static runtime::Array& list();
    // Entry i of the current list, without copying it; beyond the end reads as null.
    static Timer* entryAt(int i);
    static bool entryIsNull(int i);
};

}  // namespace framework
