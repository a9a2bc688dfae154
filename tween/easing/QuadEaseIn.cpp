#include "QuadEaseIn.h"

namespace tween {

double QuadEaseIn::curveOf(double k) {
    return k * k;
}

double QuadEaseIn::ease(double t, double b, double c, double d) {
    double T = t / d;
    return c * T * T + b;
}

double QuadEaseIn::calculate(double k) { return curveOf(k); }

IEasing::Curve QuadEaseIn::curve() const { return &QuadEaseIn::curveOf; }

RUNTIME_DEFINE_CLASS(QuadEaseIn, "tween.easing.QuadEaseIn", IEasing, (auto& b) {
    b.emptyInstance();
    b.constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<QuadEaseIn>(); });
})

}  // namespace tween
