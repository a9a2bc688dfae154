#include "SineEaseInOut.h"

#include <cmath>

namespace tween {

namespace {
constexpr double PI = 3.141592653589793;
}  // namespace

double SineEaseInOut::curveOf(double k) {
    return -0.5 * (std::cos(PI * k) - 1);
}

double SineEaseInOut::ease(double t, double b, double c, double d) {
    return -c * 0.5 * (std::cos(PI * t / d) - 1) + b;
}

double SineEaseInOut::calculate(double k) { return curveOf(k); }

IEasing::Curve SineEaseInOut::curve() const { return &SineEaseInOut::curveOf; }

RUNTIME_DEFINE_CLASS(SineEaseInOut, "tween.easing.SineEaseInOut", IEasing, (auto& b) {
    b.emptyInstance();
    b.constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<SineEaseInOut>(); });
})

}  // namespace tween
