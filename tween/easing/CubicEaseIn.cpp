#include "CubicEaseIn.h"

namespace tween {

double CubicEaseIn::curveOf(double k) {
    return k * k * k;
}

double CubicEaseIn::ease(double t, double b, double c, double d) {
    double T = t / d;
    return c * T * T * T + b;
}

double CubicEaseIn::calculate(double k) { return curveOf(k); }

IEasing::Curve CubicEaseIn::curve() const { return &CubicEaseIn::curveOf; }

RUNTIME_DEFINE_CLASS(CubicEaseIn, "tween.easing.CubicEaseIn", IEasing, (auto& b) {
    b.emptyInstance();
    b.constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<CubicEaseIn>(); });
})

}  // namespace tween
