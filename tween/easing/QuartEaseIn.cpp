#include "QuartEaseIn.h"

namespace tween {

double QuartEaseIn::curveOf(double k) {
    return k * k * k * k;
}

double QuartEaseIn::ease(double t, double b, double c, double d) {
    double T = t / d;
    return c * T * T * T * T + b;
}

double QuartEaseIn::calculate(double k) { return curveOf(k); }

IEasing::Curve QuartEaseIn::curve() const { return &QuartEaseIn::curveOf; }

RUNTIME_DEFINE_CLASS(QuartEaseIn, "tween.easing.QuartEaseIn", IEasing, (auto& b) {
    b.emptyInstance();
    b.constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<QuartEaseIn>(); });
})

}  // namespace tween
