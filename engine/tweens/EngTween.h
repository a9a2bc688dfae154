#pragma once
// Base of the engine's own tweens: turns the time since its start into a progress value scale
// (eased, optionally backward) and, at the end of a run, stops, leaves, restarts or reverses.
#include <vector>

#include "engine/interfaces/IEngDestroyable.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/DynamicObject.h"

namespace engine {

class TweenManager;
class NumTween;
class VarTween;
class AngleTween;
class ColorTween;
class LinearMotion;
class QuadMotion;
class CubicMotion;
class CircularMotion;
class LinearPath;
class QuadPath;
class EngObject;
class EngPoint;

class EngTween : public runtime::Object, public IEngDestroyable {
    RUNTIME_CLASS(EngTween)
public:
    static constexpr int PERSIST = 1;
    static constexpr int LOOPING = 2;
    static constexpr int PINGPONG = 4;
    static constexpr int ONESHOT = 8;
    static constexpr int BACKWARD = 16;

    // The manager every factory registers with; set by the plugin front end.
    static runtime::Ref<TweenManager> manager;

    // A NumTween from fromValue to toValue over duration seconds, handing each value to the
    // function; started and registered.
    static runtime::Ref<NumTween> num(double fromValue, double toValue, double duration = 1,
                                      runtime::Ref<runtime::Object> options = nullptr,
                                      runtime::Ref<runtime::Function> tweenFunction = nullptr);

    // A VarTween of the named numeric fields of object towards the values of the record.
    static runtime::Ref<VarTween> tween(runtime::Ref<runtime::Object> object, runtime::Ref<runtime::Object> values,
                                        double duration = 1, runtime::Ref<runtime::Object> options = nullptr);
    // An AngleTween applied to the sprite's "angle" (none when null).
    static runtime::Ref<AngleTween> angle(runtime::Ref<runtime::Object> sprite, double fromAngle, double toAngle,
                                          double duration = 1, runtime::Ref<runtime::Object> options = nullptr);
    // A ColorTween applied to the sprite's "color" and "alpha" (none when null).
    static runtime::Ref<ColorTween> color(runtime::Ref<runtime::Object> sprite, double duration, int32_t fromColor,
                                          int32_t toColor, double fromAlpha = 1, double toAlpha = 1,
                                          runtime::Ref<runtime::Object> options = nullptr);
    // Motion factories: duration is seconds with useDuration, else a speed in units per second.
    static runtime::Ref<LinearMotion> linearMotion(runtime::Ref<EngObject> object, double fromX, double fromY,
                                                   double toX, double toY, double duration = 1,
                                                   bool useDuration = true,
                                                   runtime::Ref<runtime::Object> options = nullptr);
    static runtime::Ref<QuadMotion> quadMotion(runtime::Ref<EngObject> object, double fromX, double fromY,
                                               double controlX, double controlY, double toX, double toY,
                                               double duration = 1, bool useDuration = true,
                                               runtime::Ref<runtime::Object> options = nullptr);
    static runtime::Ref<CubicMotion> cubicMotion(runtime::Ref<EngObject> object, double fromX, double fromY,
                                                 double aX, double aY, double bX, double bY, double toX, double toY,
                                                 double duration = 1, runtime::Ref<runtime::Object> options = nullptr);
    static runtime::Ref<CircularMotion> circularMotion(runtime::Ref<EngObject> object, double centerX,
                                                       double centerY, double radius, double angle, bool clockwise,
                                                       double duration = 1, bool useDuration = true,
                                                       runtime::Ref<runtime::Object> options = nullptr);
    // Path factories: the points' coordinates are copied.
    static runtime::Ref<LinearPath> linearPath(runtime::Ref<EngObject> object,
                                               const std::vector<runtime::Ref<EngPoint>>& points,
                                               double duration = 1, bool useDuration = true,
                                               runtime::Ref<runtime::Object> options = nullptr);
    static runtime::Ref<QuadPath> quadPath(runtime::Ref<EngObject> object,
                                           const std::vector<runtime::Ref<EngPoint>>& points, double duration = 1,
                                           bool useDuration = true, runtime::Ref<runtime::Object> options = nullptr);

    explicit EngTween(runtime::Ref<runtime::Object> options = nullptr);
    explicit EngTween(runtime::NoInit) {}

    // Completes the options record: "type" ONESHOT when missing.
    virtual runtime::Ref<runtime::Object> resolveTweenOptions(runtime::Ref<runtime::Object> options);
    void destroy() override;
    virtual void update();
    virtual EngTween* start();
    virtual void cancel();
    virtual void finish();
    virtual EngTween* setDelays(const runtime::Value& startDelay, const runtime::Value& loopDelay);
    virtual double set_startDelay(double value);
    virtual double set_loopDelay(double value);
    virtual double get_percent() const;
    virtual double set_percent(double value);
    virtual int set_type(int value);

    bool active = true;
    double duration = 0;
    runtime::Ref<runtime::Function> ease;
    runtime::Ref<runtime::Function> complete;
    int type = ONESHOT;
    bool finished = false;
    double scale = 0;
    bool backward = false;
    int executions = 0;
    double startDelay = 0;
    double loopDelay = 0;
    double _secondsSinceStart = 0;
    double _delayToUse = 0;
};

}  // namespace engine
