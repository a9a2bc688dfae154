#include "BackEaseOut.h"

namespace tween {

double BackEaseOut::calculate(double k) {
    double j = k - 1;
    return j * j * ((s + 1) * j + s) + 1;
}

double BackEaseOut::ease(double t, double b, double c, double d) {
    double j = t / d - 1;
    return c * (j * j * ((s + 1) * j + s) + 1) + b;
}

RUNTIME_DEFINE_CLASS(BackEaseOut, "tween.easing.BackEaseOut", IEasing, (auto& b) {
    b.emptyInstance().template field<&BackEaseOut::s>("s");
    b.constructor([](const runtime::Value* args, int argc) -> runtime::Ref<runtime::Object> {
        return runtime::make<BackEaseOut>(argc > 0 ? args[0].toFloat() : 0.0);
    });
})

}  // namespace tween
