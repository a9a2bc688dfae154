#include "SineEaseIn.h"

#include <cmath>

namespace tween {

namespace {
constexpr double PI = 3.141592653589793;
}  // namespace

double SineEaseIn::curveOf(double k) {
    return 1 - std::cos(PI * 0.5 * k);
}

double SineEaseIn::ease(double t, double b, double c, double d) {
    return -c * std::cos(PI * 0.5 * (t / d)) + c + b;
}

double SineEaseIn::calculate(double k) { return curveOf(k); }

IEasing::Curve SineEaseIn::curve() const { return &SineEaseIn::curveOf; }

RUNTIME_DEFINE_CLASS(SineEaseIn, "tween.easing.SineEaseIn", IEasing, (auto& b) {
    b.emptyInstance();
    b.constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<SineEaseIn>(); });
})

}  // namespace tween
