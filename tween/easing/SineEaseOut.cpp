#include "SineEaseOut.h"

#include <cmath>

namespace tween {

namespace {
constexpr double PI = 3.141592653589793;
}  // namespace

double SineEaseOut::curveOf(double k) {
    return std::sin(PI * 0.5 * k);
}

double SineEaseOut::ease(double t, double b, double c, double d) {
    return c * std::sin(PI * 0.5 * (t / d)) + b;
}

double SineEaseOut::calculate(double k) { return curveOf(k); }

IEasing::Curve SineEaseOut::curve() const { return &SineEaseOut::curveOf; }

RUNTIME_DEFINE_CLASS(SineEaseOut, "tween.easing.SineEaseOut", IEasing, (auto& b) {
    b.emptyInstance();
    b.constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<SineEaseOut>(); });
})

}  // namespace tween
