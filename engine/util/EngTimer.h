#pragma once
// A countdown stepped by the timer manager: calls its callback each time `time` seconds of engine
// step time have passed, `loops` times or (with 0) without end.
#include "engine/interfaces/IEngDestroyable.h"
#include "platform/runtime/ClassBuilder.h"

namespace engine {

class TimerManager;

class EngTimer : public runtime::Object, public IEngDestroyable {
    RUNTIME_CLASS(EngTimer)
public:
    // Without a time the timer stays idle and unlisted.
    explicit EngTimer(std::optional<double> time = std::nullopt, runtime::Ref<runtime::Function> callback = nullptr,
                      int loops = 1);
    explicit EngTimer(runtime::NoInit) {}

    // Lists the timer with the manager (once) and runs it from 0; negative values count as positive.
    virtual EngTimer* start(double time = 1, runtime::Ref<runtime::Function> callback = nullptr, int loops = 1);
    // start again with the same callback and loops; a negative time keeps the current one.
    virtual EngTimer* reset(double newTime = -1);
    virtual void cancel();
    virtual void update();
    void destroy() override { complete = nullptr; }
    virtual double get_timeLeft() const { return time - _timeCounter; }
    virtual double get_elapsedTime() const { return _timeCounter; }
    virtual int get_loopsLeft() const { return loops - _loopsCounter; }
    virtual int get_elapsedLoops() const { return _loopsCounter; }
    virtual double get_progress() const { return time > 0 ? _timeCounter / time : 0; }

    double time = 0;
    int loops = 0;
    bool active = true;
    bool finished = false;
    // Called with the timer once per completed loop.
    runtime::Ref<runtime::Function> complete;
    double _timeCounter = 0;
    int _loopsCounter = 0;
    bool _inManager = false;
};

}  // namespace engine
