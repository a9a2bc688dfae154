#include "LinearEaseNone.h"

namespace tween {

double LinearEaseNone::calculate(double k) {
    return k;
}

double LinearEaseNone::ease(double t, double b, double c, double d) {
    return t * c / d + b;
}

RUNTIME_DEFINE_CLASS(LinearEaseNone, "tween.easing.LinearEaseNone", IEasing, (auto& b) {
    b.emptyInstance();
    b.constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<LinearEaseNone>(); });
})

}  // namespace tween
