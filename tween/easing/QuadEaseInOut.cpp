#include "QuadEaseInOut.h"

namespace tween {

double QuadEaseInOut::curveOf(double k) {
    double K = k * 2;
    if (K < 1) return 0.5 * K * K;
    return -0.5 * ((K - 1) * (K - 3) - 1);
}

double QuadEaseInOut::ease(double t, double b, double c, double d) {
    double U = t / (d * 0.5);
    if (U < 1) return c * 0.5 * U * U + b;
    return -c * 0.5 * ((U - 1) * (U - 3) - 1) + b;
}

double QuadEaseInOut::calculate(double k) { return curveOf(k); }

IEasing::Curve QuadEaseInOut::curve() const { return &QuadEaseInOut::curveOf; }

RUNTIME_DEFINE_CLASS(QuadEaseInOut, "tween.easing.QuadEaseInOut", IEasing, (auto& b) {
    b.emptyInstance();
    b.constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<QuadEaseInOut>(); });
})

}  // namespace tween
