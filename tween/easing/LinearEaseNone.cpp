#include "LinearEaseNone.h"

namespace tween {

double LinearEaseNone::curveOf(double k) {
    return k;
}

double LinearEaseNone::ease(double t, double b, double c, double d) {
    return t * c / d + b;
}

double LinearEaseNone::calculate(double k) { return curveOf(k); }

IEasing::Curve LinearEaseNone::curve() const { return &LinearEaseNone::curveOf; }

RUNTIME_DEFINE_CLASS(LinearEaseNone, "tween.easing.LinearEaseNone", IEasing, (auto& b) {
    b.emptyInstance();
    b.constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<LinearEaseNone>(); });
})

}  // namespace tween
