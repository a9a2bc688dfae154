#pragma once
// Exponential ease-in; exactly 0 at the start.
#include "tween/easing/IEasing.h"

namespace tween {

class ExpoEaseIn final : public IEasing {
    RUNTIME_CLASS(ExpoEaseIn)
public:
    ExpoEaseIn() = default;
    explicit ExpoEaseIn(runtime::NoInit) {}

    double calculate(double k) override;
    Curve curve() const override;
    // calculate as a plain function.
    static double curveOf(double k);
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
