#include "EngTween.h"

#include <algorithm>
#include <cmath>

#include "engine/EngG.h"
#include "engine/plugin/TweenManager.h"
#include "engine/tweens/misc/NumTween.h"

namespace engine {

using runtime::Ref;
using runtime::Value;

Ref<TweenManager> EngTween::manager;

Ref<NumTween> EngTween::num(double fromValue, double toValue, double duration, Ref<runtime::Object> options,
                            Ref<runtime::Function> tweenFunction) {
    auto tween = runtime::make<NumTween>(std::move(options));
    tween->tween(fromValue, toValue, duration, std::move(tweenFunction));
    return manager ? manager->add(tween) : tween;
}

EngTween::EngTween(Ref<runtime::Object> options) {
    options = resolveTweenOptions(std::move(options));
    set_type(options->getField("type").toInt());
    complete = Ref<runtime::Function>(options->getField("complete").function());
    ease = Ref<runtime::Function>(options->getField("ease").function());
    setDelays(options->getField("startDelay"), options->getField("loopDelay"));
}

Ref<runtime::Object> EngTween::resolveTweenOptions(Ref<runtime::Object> options) {
    if (!options) {
        auto record = runtime::make<runtime::DynamicObject>();
        record->setField("type", Value(ONESHOT));
        return record;
    }
    if (options->getField("type").isNull()) options->setField("type", Value(ONESHOT));
    return options;
}

void EngTween::destroy() {
    complete = nullptr;
    ease = nullptr;
}

void EngTween::update() {
    _secondsSinceStart += EngG::elapsed;
    double delay = executions > 0 ? loopDelay : startDelay;
    scale = std::max(_secondsSinceStart - delay, 0.0) / duration;
    if (ease) scale = (*ease)(scale).toFloat();
    if (backward) scale = 1 - scale;
    if (_secondsSinceStart >= delay + duration) {
        scale = backward ? 0 : 1;
        finished = true;
    }
}

EngTween* EngTween::start() {
    _secondsSinceStart = 0;
    _delayToUse = executions > 0 ? loopDelay : startDelay;
    if (duration == 0) {
        active = false;
        return this;
    }
    active = true;
    finished = false;
    return this;
}

void EngTween::cancel() {
    active = false;
    finished = true;
    if (manager) manager->remove(Ref<EngTween>(this));
}

void EngTween::finish() {
    Ref<EngTween> keep(this);
    ++executions;
    if (complete) (*complete)(Value(this));
    int kind = type & ~BACKWARD;
    auto overshoot = [&] {
        scale = std::max(std::fmod(_secondsSinceStart - _delayToUse, duration), 0.0) / duration;
        if (ease && scale > 0 && scale < 1) scale = (*ease)(scale).toFloat();
    };
    switch (kind) {
    case PERSIST:
        _secondsSinceStart = duration + startDelay;
        active = false;
        finished = true;
        break;
    case LOOPING:
        overshoot();
        start();
        break;
    case PINGPONG:
        overshoot();
        backward = !backward;
        if (backward) scale = 1 - scale;
        start();
        break;
    case ONESHOT:
        _secondsSinceStart = duration + startDelay;
        active = false;
        finished = true;
        if (manager) manager->remove(Ref<EngTween>(this));
        break;
    default:
        break;
    }
}

EngTween* EngTween::setDelays(const Value& start, const Value& loop) {
    set_startDelay(start.isNull() ? 0 : start.toFloat());
    set_loopDelay(loop.isNull() ? 0 : loop.toFloat());
    return this;
}

double EngTween::set_startDelay(double value) {
    double d = std::fabs(value);
    if (executions == 0) {
        _secondsSinceStart = duration * get_percent() + std::max(d - startDelay, 0.0);
        _delayToUse = d;
    }
    startDelay = d;
    return d;
}

double EngTween::set_loopDelay(double value) {
    double d = std::fabs(value);
    if (executions > 0) {
        _secondsSinceStart = duration * get_percent() + std::max(d - loopDelay, 0.0);
        _delayToUse = d;
    }
    loopDelay = d;
    return d;
}

double EngTween::get_percent() const {
    // A tween without a duration yet has made no progress.
    if (duration == 0) return 0;
    return std::max(_secondsSinceStart - _delayToUse, 0.0) / duration;
}

double EngTween::set_percent(double value) {
    _secondsSinceStart = duration * value + _delayToUse;
    return _secondsSinceStart;
}

int EngTween::set_type(int value) {
    if (value == 0) value = ONESHOT;
    else if (value == BACKWARD) value = PERSIST | BACKWARD;
    backward = (value & BACKWARD) != 0;
    type = value;
    return value;
}

}  // namespace engine

using engine::EngTween;

RUNTIME_DEFINE_CLASS(EngTween, "engine.tweens.EngTween", runtime::Object, (auto& b) {
    b.template field<&EngTween::active>("active")
        .template field<&EngTween::duration>("duration")
        .template field<&EngTween::finished>("finished")
        .template field<&EngTween::scale>("scale")
        .template field<&EngTween::executions>("executions")
        .template property<&EngTween::get_percent, &EngTween::set_percent>("percent")
        .emptyInstance();
})
