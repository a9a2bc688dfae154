#include "EngTween.h"

#include <algorithm>
#include <cmath>

#include "engine/EngG.h"
#include "engine/plugin/TweenManager.h"
#include "engine/EngObject.h"
#include "engine/tweens/misc/AngleTween.h"
#include "engine/tweens/misc/ColorTween.h"
#include "engine/tweens/misc/NumTween.h"
#include "engine/tweens/misc/VarTween.h"
#include "engine/tweens/motion/CircularMotion.h"
#include "engine/tweens/motion/CubicMotion.h"
#include "engine/tweens/motion/LinearMotion.h"
#include "engine/tweens/motion/LinearPath.h"
#include "engine/tweens/motion/QuadMotion.h"
#include "engine/tweens/motion/QuadPath.h"

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

namespace {
template <class T>
Ref<T> registered(const Ref<T>& tween) {
    return EngTween::manager ? EngTween::manager->add(tween) : tween;
}
}  // namespace

Ref<VarTween> EngTween::tween(Ref<runtime::Object> object, Ref<runtime::Object> values, double duration,
                              Ref<runtime::Object> options) {
    auto t = runtime::make<VarTween>(std::move(options));
    t->tween(std::move(object), std::move(values), duration);
    return registered(t);
}

Ref<AngleTween> EngTween::angle(Ref<runtime::Object> sprite, double fromAngle, double toAngle, double duration,
                                Ref<runtime::Object> options) {
    auto t = runtime::make<AngleTween>(std::move(options));
    t->tween(fromAngle, toAngle, duration, std::move(sprite));
    return registered(t);
}

Ref<ColorTween> EngTween::color(Ref<runtime::Object> sprite, double duration, int32_t fromColor, int32_t toColor,
                                double fromAlpha, double toAlpha, Ref<runtime::Object> options) {
    auto t = runtime::make<ColorTween>(std::move(options));
    t->tween(duration, fromColor, toColor, fromAlpha, toAlpha, std::move(sprite));
    return registered(t);
}

Ref<LinearMotion> EngTween::linearMotion(Ref<EngObject> object, double fromX, double fromY, double toX, double toY,
                                         double duration, bool useDuration, Ref<runtime::Object> options) {
    auto t = runtime::make<LinearMotion>(std::move(options));
    t->setObject(std::move(object));
    t->setMotion(fromX, fromY, toX, toY, duration, useDuration);
    return registered(t);
}

Ref<QuadMotion> EngTween::quadMotion(Ref<EngObject> object, double fromX, double fromY, double controlX,
                                     double controlY, double toX, double toY, double duration, bool useDuration,
                                     Ref<runtime::Object> options) {
    auto t = runtime::make<QuadMotion>(std::move(options));
    t->setObject(std::move(object));
    t->setMotion(fromX, fromY, controlX, controlY, toX, toY, duration, useDuration);
    return registered(t);
}

Ref<CubicMotion> EngTween::cubicMotion(Ref<EngObject> object, double fromX, double fromY, double aX, double aY,
                                       double bX, double bY, double toX, double toY, double duration,
                                       Ref<runtime::Object> options) {
    auto t = runtime::make<CubicMotion>(std::move(options));
    t->setObject(std::move(object));
    t->setMotion(fromX, fromY, aX, aY, bX, bY, toX, toY, duration);
    return registered(t);
}

Ref<CircularMotion> EngTween::circularMotion(Ref<EngObject> object, double centerX, double centerY, double radius,
                                             double angle, bool clockwise, double duration, bool useDuration,
                                             Ref<runtime::Object> options) {
    auto t = runtime::make<CircularMotion>(std::move(options));
    t->setObject(std::move(object));
    t->setMotion(centerX, centerY, radius, angle, clockwise, duration, useDuration);
    return registered(t);
}

Ref<LinearPath> EngTween::linearPath(Ref<EngObject> object, const std::vector<Ref<EngPoint>>& points,
                                     double duration, bool useDuration, Ref<runtime::Object> options) {
    auto t = runtime::make<LinearPath>(std::move(options));
    for (const auto& p : points) t->addPoint(p->x, p->y);
    t->setObject(std::move(object));
    t->setMotion(duration, useDuration);
    return registered(t);
}

Ref<QuadPath> EngTween::quadPath(Ref<EngObject> object, const std::vector<Ref<EngPoint>>& points, double duration,
                                 bool useDuration, Ref<runtime::Object> options) {
    auto t = runtime::make<QuadPath>(std::move(options));
    for (const auto& p : points) t->addPoint(p->x, p->y);
    t->setObject(std::move(object));
    t->setMotion(duration, useDuration);
    return registered(t);
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
