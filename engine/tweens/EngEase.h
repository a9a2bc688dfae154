#pragma once
// Easing functions for the engine's tweens: each maps a raw progress (0 at the start of a run,
// 1 at its end) to an eased one. Any of them serves as the "ease" option through ease().
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Function.h"

namespace engine {

class EngEase : public runtime::Object {
    RUNTIME_CLASS(EngEase)
public:
    EngEase() = default;
    explicit EngEase(runtime::NoInit) {}

    static inline double PI2 = 1.5707963267948966;
    static inline double EL = 13.962634015954636;
    static inline double B1 = 1 / 2.75;
    static inline double B2 = 2 / 2.75;
    static inline double B3 = 1.5 / 2.75;
    static inline double B4 = 2.5 / 2.75;
    static inline double B5 = 2.25 / 2.75;
    static inline double B6 = 2.625 / 2.75;
    static inline double ELASTIC_AMPLITUDE = 1;
    static inline double ELASTIC_PERIOD = 0.4;

    static double quadIn(double t);
    static double quadOut(double t);
    static double quadInOut(double t);
    static double cubeIn(double t);
    static double cubeOut(double t);
    static double cubeInOut(double t);
    static double quartIn(double t);
    static double quartOut(double t);
    static double quartInOut(double t);
    static double quintIn(double t);
    static double quintOut(double t);
    static double quintInOut(double t);
    static double sineIn(double t);
    static double sineOut(double t);
    static double sineInOut(double t);
    static double bounceIn(double t);
    static double bounceOut(double t);
    static double bounceInOut(double t);
    static double circIn(double t);
    static double circOut(double t);
    static double circInOut(double t);
    static double expoIn(double t);
    static double expoOut(double t);
    static double expoInOut(double t);
    static double backIn(double t);
    static double backOut(double t);
    static double backInOut(double t);
    static double elasticIn(double t);
    static double elasticOut(double t);
    static double elasticInOut(double t);

    // The named function as a value for a tween's "ease" option; null for an unknown name.
    static runtime::Ref<runtime::Function> ease(std::string_view name);

private:
    static double bounce(double x);
    static double elasticShift();
};

}  // namespace engine
