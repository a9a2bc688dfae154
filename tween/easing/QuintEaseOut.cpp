#include "QuintEaseOut.h"

namespace tween {

double QuintEaseOut::curveOf(double k) {
    double j = k - 1;
    return j * j * j * j * j + 1;
}

double QuintEaseOut::ease(double t, double b, double c, double d) {
    double j = t / d - 1;
    return c * (j * j * j * j * j + 1) + b;
}

double QuintEaseOut::calculate(double k) { return curveOf(k); }

IEasing::Curve QuintEaseOut::curve() const { return &QuintEaseOut::curveOf; }

RUNTIME_DEFINE_CLASS(QuintEaseOut, "tween.easing.QuintEaseOut", IEasing, (auto& b) {
    b.emptyInstance();
    b.constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<QuintEaseOut>(); });
})

}  // namespace tween
