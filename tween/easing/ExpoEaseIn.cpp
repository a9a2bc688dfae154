#include "ExpoEaseIn.h"

#include <cmath>

namespace tween {

double ExpoEaseIn::curveOf(double k) {
    if (k == 0) return 0;
    return std::pow(2.0, 10 * (k - 1));
}

double ExpoEaseIn::ease(double t, double b, double c, double d) {
    if (t == 0) return b;
    return c * std::pow(2.0, 10 * (t / d - 1)) + b;
}

double ExpoEaseIn::calculate(double k) { return curveOf(k); }

IEasing::Curve ExpoEaseIn::curve() const { return &ExpoEaseIn::curveOf; }

RUNTIME_DEFINE_CLASS(ExpoEaseIn, "tween.easing.ExpoEaseIn", IEasing, (auto& b) {
    b.emptyInstance();
    b.constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<ExpoEaseIn>(); });
})

}  // namespace tween
