#pragma once
// Exponential ease-out; exactly 1 at the end.
#include "tween/easing/IEasing.h"

namespace tween {

class ExpoEaseOut final : public IEasing {
    RUNTIME_CLASS(ExpoEaseOut)
public:
    ExpoEaseOut() = default;
    explicit ExpoEaseOut(runtime::NoInit) {}

    double calculate(double k) override;
    Curve curve() const override;
    // calculate as a plain function.
    static double curveOf(double k);
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
