#include "QuartEaseOut.h"

namespace tween {

double QuartEaseOut::curveOf(double k) {
    double j = k - 1;
    return -(j * j * j * j - 1);
}

double QuartEaseOut::ease(double t, double b, double c, double d) {
    double j = t / d - 1;
    return -c * (j * j * j * j - 1) + b;
}

double QuartEaseOut::calculate(double k) { return curveOf(k); }

IEasing::Curve QuartEaseOut::curve() const { return &QuartEaseOut::curveOf; }

RUNTIME_DEFINE_CLASS(QuartEaseOut, "tween.easing.QuartEaseOut", IEasing, (auto& b) {
    b.emptyInstance();
    b.constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<QuartEaseOut>(); });
})

}  // namespace tween
