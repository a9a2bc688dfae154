#include "BackEaseIn.h"

namespace tween {

double BackEaseIn::calculate(double k) {
    return k * k * ((s + 1) * k - s);
}

double BackEaseIn::ease(double t, double b, double c, double d) {
    double T = t / d;
    return c * T * T * ((s + 1) * T - s) + b;
}

RUNTIME_DEFINE_CLASS(BackEaseIn, "tween.easing.BackEaseIn", IEasing, (auto& b) {
    b.emptyInstance().template field<&BackEaseIn::s>("s");
    b.constructor([](const runtime::Value* args, int argc) -> runtime::Ref<runtime::Object> {
        return runtime::make<BackEaseIn>(argc > 0 ? args[0].toFloat() : 0.0);
    });
})

}  // namespace tween
