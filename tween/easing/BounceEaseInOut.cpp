#include "BounceEaseInOut.h"

#include <cmath>

#include "BounceEaseOut.h"

namespace tween {

double BounceEaseInOut::curveOf(double k) {
    if (k < 0.5) return (1 - BounceEaseOut::bounce(1 - 2 * k)) * 0.5;
    return BounceEaseOut::bounce(2 * k - 1) * 0.5 + 0.5;
}

double BounceEaseInOut::ease(double t, double b, double c, double d) {
    if (t < d * 0.5) return (c - c * BounceEaseOut::bounce((d - 2 * t) / d)) * 0.5 + b;
    return c * BounceEaseOut::bounce((2 * t - d) / d) * 0.5 + c * 0.5 + b;
}

double BounceEaseInOut::calculate(double k) { return curveOf(k); }

IEasing::Curve BounceEaseInOut::curve() const { return &BounceEaseInOut::curveOf; }

RUNTIME_DEFINE_CLASS(BounceEaseInOut, "tween.easing.BounceEaseInOut", IEasing, (auto& b) {
    b.emptyInstance();
    b.constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<BounceEaseInOut>(); });
})

}  // namespace tween
