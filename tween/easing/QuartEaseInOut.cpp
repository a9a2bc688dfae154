#include "QuartEaseInOut.h"

namespace tween {

double QuartEaseInOut::curveOf(double k) {
    double K = k * 2;
    if (K < 1) return 0.5 * K * K * K * K;
    double j = K - 2;
    return -0.5 * (j * j * j * j - 2);
}

double QuartEaseInOut::ease(double t, double b, double c, double d) {
    double U = t / (d * 0.5);
    if (U < 1) return c * 0.5 * U * U * U * U + b;
    double j = U - 2;
    return -c * 0.5 * (j * j * j * j - 2) + b;
}

double QuartEaseInOut::calculate(double k) { return curveOf(k); }

IEasing::Curve QuartEaseInOut::curve() const { return &QuartEaseInOut::curveOf; }

RUNTIME_DEFINE_CLASS(QuartEaseInOut, "tween.easing.QuartEaseInOut", IEasing, (auto& b) {
    b.emptyInstance();
    b.constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<QuartEaseInOut>(); });
})

}  // namespace tween
