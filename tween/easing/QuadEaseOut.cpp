#include "QuadEaseOut.h"

namespace tween {

double QuadEaseOut::curveOf(double k) {
    return -k * (k - 2);
}

double QuadEaseOut::ease(double t, double b, double c, double d) {
    double T = t / d;
    return -c * T * (T - 2) + b;
}

double QuadEaseOut::calculate(double k) { return curveOf(k); }

IEasing::Curve QuadEaseOut::curve() const { return &QuadEaseOut::curveOf; }

RUNTIME_DEFINE_CLASS(QuadEaseOut, "tween.easing.QuadEaseOut", IEasing, (auto& b) {
    b.emptyInstance();
    b.constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<QuadEaseOut>(); });
})

}  // namespace tween
