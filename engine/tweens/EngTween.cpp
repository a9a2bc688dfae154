#include "EngTween.h"

#include <algorithm>
#include <cmath>

#include "engine/EngG.h"
#include "engine/plugin/TweenManager.h"
#include "engine/EngObject.h"
#include "platform/runtime/Array.h"
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

namespace {
// The factories as reached by name: every argument a dynamic value, a missing or null one taking
// the factory's default.
double num(const Value& v, double fallback) { return v.isNull() ? fallback : v.toFloat(); }
bool flag(const Value& v, bool fallback) { return v.isNull() ? fallback : v.toBool(); }
Ref<runtime::Object> obj(const Value& v) { return Ref<runtime::Object>(v.object()); }
Ref<EngObject> engObject(const Value& v) { return Ref<EngObject>(dynamic_cast<EngObject*>(v.object())); }
Ref<runtime::Function> fn(const Value& v) { return Ref<runtime::Function>(v.function()); }
std::vector<Ref<EngPoint>> pointList(const Value& v) {
    std::vector<Ref<EngPoint>> out;
    if (auto* array = dynamic_cast<runtime::Array*>(v.object()))
        for (const Value& item : array->items)
            if (auto* p = dynamic_cast<EngPoint*>(item.object())) out.emplace_back(p);
    return out;
}

Value tweenByName(Value object, Value values, Value duration, Value options) {
    return Value(EngTween::tween(obj(object), obj(values), num(duration, 1), obj(options)));
}
Value numByName(Value from, Value to, Value duration, Value options, Value tweenFunction) {
    return Value(EngTween::num(num(from, 0), num(to, 0), num(duration, 1), obj(options), fn(tweenFunction)));
}
Value angleByName(Value sprite, Value from, Value to, Value duration, Value options) {
    return Value(EngTween::angle(obj(sprite), num(from, 0), num(to, 0), num(duration, 1), obj(options)));
}
Value colorByName(Value sprite, Value duration, Value from, Value to, Value fromAlpha, Value toAlpha, Value options) {
    return Value(EngTween::color(obj(sprite), num(duration, 1), from.toInt(), to.toInt(), num(fromAlpha, 1),
                                 num(toAlpha, 1), obj(options)));
}
Value linearMotionByName(Value object, Value fromX, Value fromY, Value toX, Value toY, Value duration,
                         Value useDuration, Value options) {
    return Value(EngTween::linearMotion(engObject(object), num(fromX, 0), num(fromY, 0), num(toX, 0), num(toY, 0),
                                        num(duration, 1), flag(useDuration, true), obj(options)));
}
Value quadMotionByName(Value object, Value fromX, Value fromY, Value controlX, Value controlY, Value toX, Value toY,
                       Value duration, Value useDuration, Value options) {
    return Value(EngTween::quadMotion(engObject(object), num(fromX, 0), num(fromY, 0), num(controlX, 0),
                                      num(controlY, 0), num(toX, 0), num(toY, 0), num(duration, 1),
                                      flag(useDuration, true), obj(options)));
}
Value cubicMotionByName(Value object, Value fromX, Value fromY, Value aX, Value aY, Value bX, Value bY, Value toX,
                        Value toY, Value duration, Value options) {
    return Value(EngTween::cubicMotion(engObject(object), num(fromX, 0), num(fromY, 0), num(aX, 0), num(aY, 0),
                                       num(bX, 0), num(bY, 0), num(toX, 0), num(toY, 0), num(duration, 1),
                                       obj(options)));
}
Value circularMotionByName(Value object, Value centerX, Value centerY, Value radius, Value angle, Value clockwise,
                           Value duration, Value useDuration, Value options) {
    return Value(EngTween::circularMotion(engObject(object), num(centerX, 0), num(centerY, 0), num(radius, 0),
                                          num(angle, 0), flag(clockwise, false), num(duration, 1),
                                          flag(useDuration, true), obj(options)));
}
Value linearPathByName(Value object, Value points, Value duration, Value useDuration, Value options) {
    return Value(EngTween::linearPath(engObject(object), pointList(points), num(duration, 1), flag(useDuration, true),
                                      obj(options)));
}
Value quadPathByName(Value object, Value points, Value duration, Value useDuration, Value options) {
    return Value(EngTween::quadPath(engObject(object), pointList(points), num(duration, 1), flag(useDuration, true),
                                    obj(options)));
}
}  // namespace

}  // namespace engine

using engine::EngTween;

RUNTIME_DEFINE_CLASS(EngTween, "engine.tweens.EngTween", runtime::Object, (auto& b) {
    b.template field<&EngTween::active>("active")
        .template field<&EngTween::duration>("duration")
        .template field<&EngTween::finished>("finished")
        .template field<&EngTween::scale>("scale")
        .template field<&EngTween::executions>("executions")
        .template property<&EngTween::get_percent, &EngTween::set_percent>("percent")
        .template staticMethod<&engine::tweenByName>("tween")
        .template staticMethod<&engine::numByName>("num")
        .template staticMethod<&engine::angleByName>("angle")
        .template staticMethod<&engine::colorByName>("color")
        .template staticMethod<&engine::linearMotionByName>("linearMotion")
        .template staticMethod<&engine::quadMotionByName>("quadMotion")
        .template staticMethod<&engine::cubicMotionByName>("cubicMotion")
        .template staticMethod<&engine::circularMotionByName>("circularMotion")
        .template staticMethod<&engine::linearPathByName>("linearPath")
        .template staticMethod<&engine::quadPathByName>("quadPath")
        .emptyInstance();
})
