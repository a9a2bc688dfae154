#include "ExpoEaseInOut.h"

#include <cmath>

namespace tween {

double ExpoEaseInOut::curveOf(double k) {
    if (k == 0) return 0;
    if (k == 1) return 1;
    double K = k * 2;
    if (K < 1) return 0.5 * std::pow(2.0, 10 * (K - 1));
    return 0.5 * (2 - std::pow(2.0, -10 * (K - 1)));
}

double ExpoEaseInOut::ease(double t, double b, double c, double d) {
    if (t == 0) return b;
    if (t == d) return b + c;
    double U = t / (d * 0.5);
    if (U < 1) return c * 0.5 * std::pow(2.0, 10 * (U - 1)) + b;
    return c * 0.5 * (2 - std::pow(2.0, -10 * (U - 1))) + b;
}

double ExpoEaseInOut::calculate(double k) { return curveOf(k); }

IEasing::Curve ExpoEaseInOut::curve() const { return &ExpoEaseInOut::curveOf; }

RUNTIME_DEFINE_CLASS(ExpoEaseInOut, "tween.easing.ExpoEaseInOut", IEasing, (auto& b) {
    b.emptyInstance();
    b.constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<ExpoEaseInOut>(); });
})

}  // namespace tween
