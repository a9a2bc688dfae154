#include "BounceEaseIn.h"

#include <cmath>

#include "BounceEaseOut.h"

namespace tween {

double BounceEaseIn::curveOf(double k) {
    return 1 - BounceEaseOut::bounce(1 - k);
}

double BounceEaseIn::ease(double t, double b, double c, double d) {
    return _ease(t, b, c, d);
}

double BounceEaseIn::_ease(double t, double b, double c, double d) {
    return c - BounceEaseOut::_ease(d - t, 0, c, d) + b;
}

double BounceEaseIn::calculate(double k) { return curveOf(k); }

IEasing::Curve BounceEaseIn::curve() const { return &BounceEaseIn::curveOf; }

RUNTIME_DEFINE_CLASS(BounceEaseIn, "tween.easing.BounceEaseIn", IEasing, (auto& b) {
    b.emptyInstance().template staticMethod<&BounceEaseIn::_ease>("_ease");
    b.constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<BounceEaseIn>(); });
})

}  // namespace tween
