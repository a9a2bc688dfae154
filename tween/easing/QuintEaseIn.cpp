#include "QuintEaseIn.h"

namespace tween {

double QuintEaseIn::curveOf(double k) {
    return k * k * k * k * k;
}

double QuintEaseIn::ease(double t, double b, double c, double d) {
    double T = t / d;
    return c * T * T * T * T * T + b;
}

double QuintEaseIn::calculate(double k) { return curveOf(k); }

IEasing::Curve QuintEaseIn::curve() const { return &QuintEaseIn::curveOf; }

RUNTIME_DEFINE_CLASS(QuintEaseIn, "tween.easing.QuintEaseIn", IEasing, (auto& b) {
    b.emptyInstance();
    b.constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<QuintEaseIn>(); });
})

}  // namespace tween
