#include "BackEaseInOut.h"

namespace tween {

double BackEaseInOut::calculate(double k) {
    double u = s * 1.525;
    double K = k * 2;
    if (K < 1) return 0.5 * K * K * ((u + 1) * K - u);
    double j = K - 2;
    return 0.5 * (j * j * ((u + 1) * j + u) + 2);
}

double BackEaseInOut::ease(double t, double b, double c, double d) {
    double u = s * 1.525;
    double U = t / (d * 0.5);
    if (U < 1) return c * 0.5 * U * U * ((u + 1) * U - u) + b;
    double j = U - 2;
    return c * 0.5 * (j * j * ((u + 1) * j + u) + 2) + b;
}

RUNTIME_DEFINE_CLASS(BackEaseInOut, "tween.easing.BackEaseInOut", IEasing, (auto& b) {
    b.emptyInstance().template field<&BackEaseInOut::s>("s");
    b.constructor([](const runtime::Value* args, int argc) -> runtime::Ref<runtime::Object> {
        return runtime::make<BackEaseInOut>(argc > 0 ? args[0].toFloat() : 0.0);
    });
})

}  // namespace tween
