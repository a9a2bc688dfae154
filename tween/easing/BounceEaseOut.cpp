#include "BounceEaseOut.h"

#include <cmath>

namespace tween {

double BounceEaseOut::curveOf(double k) {
    return bounce(k);
}

double BounceEaseOut::ease(double t, double b, double c, double d) {
    return _ease(t, b, c, d);
}

double BounceEaseOut::_ease(double t, double b, double c, double d) { return c * bounce(t / d) + b; }

double BounceEaseOut::bounce(double x) {
    if (x < 1 / 2.75) return 7.5625 * x * x;
    if (x < 2 / 2.75) {
        x -= 1.5 / 2.75;
        return 7.5625 * x * x + 0.75;
    }
    if (x < 2.5 / 2.75) {
        x -= 2.25 / 2.75;
        return 7.5625 * x * x + 0.9375;
    }
    x -= 2.625 / 2.75;
    return 7.5625 * x * x + 0.984375;
}

double BounceEaseOut::calculate(double k) { return curveOf(k); }

IEasing::Curve BounceEaseOut::curve() const { return &BounceEaseOut::curveOf; }

RUNTIME_DEFINE_CLASS(BounceEaseOut, "tween.easing.BounceEaseOut", IEasing, (auto& b) {
    b.emptyInstance().template staticMethod<&BounceEaseOut::_ease>("_ease");
    b.constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<BounceEaseOut>(); });
})

}  // namespace tween
