#include "CubicEaseOut.h"

namespace tween {

double CubicEaseOut::curveOf(double k) {
    double j = k - 1;
    return j * j * j + 1;
}

double CubicEaseOut::ease(double t, double b, double c, double d) {
    double j = t / d - 1;
    return c * (j * j * j + 1) + b;
}

double CubicEaseOut::calculate(double k) { return curveOf(k); }

IEasing::Curve CubicEaseOut::curve() const { return &CubicEaseOut::curveOf; }

RUNTIME_DEFINE_CLASS(CubicEaseOut, "tween.easing.CubicEaseOut", IEasing, (auto& b) {
    b.emptyInstance();
    b.constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<CubicEaseOut>(); });
})

}  // namespace tween
