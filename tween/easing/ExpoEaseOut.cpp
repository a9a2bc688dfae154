#include "ExpoEaseOut.h"

#include <cmath>

namespace tween {

double ExpoEaseOut::curveOf(double k) {
    if (k == 1) return 1;
    return 1 - std::pow(2.0, -10 * k);
}

double ExpoEaseOut::ease(double t, double b, double c, double d) {
    if (t == d) return b + c;
    return c * (1 - std::pow(2.0, -10 * t / d)) + b;
}

double ExpoEaseOut::calculate(double k) { return curveOf(k); }

IEasing::Curve ExpoEaseOut::curve() const { return &ExpoEaseOut::curveOf; }

RUNTIME_DEFINE_CLASS(ExpoEaseOut, "tween.easing.ExpoEaseOut", IEasing, (auto& b) {
    b.emptyInstance();
    b.constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<ExpoEaseOut>(); });
})

}  // namespace tween
