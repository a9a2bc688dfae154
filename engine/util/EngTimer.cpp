#include "EngTimer.h"

#include <cmath>
#include <cstdlib>

#include "engine/EngG.h"
#include "engine/plugin/TimerManager.h"

namespace engine {

using runtime::Ref;

EngTimer::EngTimer(std::optional<double> t, Ref<runtime::Function> callback, int l) {
    if (t) start(*t, std::move(callback), l);
}

EngTimer* EngTimer::start(double t, Ref<runtime::Function> callback, int l) {
    if (TimerManager::manager && !_inManager) {
        TimerManager::manager->add(Ref<EngTimer>(this));
        _inManager = true;
    }
    active = true;
    finished = false;
    time = std::fabs(t);
    loops = std::abs(l);
    complete = std::move(callback);
    _timeCounter = 0;
    _loopsCounter = 0;
    return this;
}

EngTimer* EngTimer::reset(double newTime) {
    if (newTime < 0) newTime = time;
    return start(newTime, complete, loops);
}

void EngTimer::cancel() {
    finished = true;
    if (TimerManager::manager && _inManager) {
        TimerManager::manager->remove(Ref<EngTimer>(this));
        _inManager = false;
    }
}

void EngTimer::update() {
    // Without a loop length there is nothing to count (the manager never steps such a timer).
    if (time <= 0) return;
    Ref<EngTimer> keep(this);
    _timeCounter += EngG::elapsed;
    while (_timeCounter >= time && active && !finished && time > 0) {
        _timeCounter -= time;
        ++_loopsCounter;
        if (complete) (*Ref<runtime::Function>(complete))(runtime::Value(this));
        if (loops > 0 && _loopsCounter >= loops) cancel();
    }
}

}  // namespace engine

using engine::EngTimer;

RUNTIME_DEFINE_CLASS(EngTimer, "engine.util.EngTimer", runtime::Object, (auto& b) {
    b.template field<&EngTimer::time>("time")
        .template field<&EngTimer::loops>("loops")
        .template field<&EngTimer::active>("active")
        .template field<&EngTimer::finished>("finished")
        .template property<&EngTimer::get_progress>("progress")
        .emptyInstance();
})
