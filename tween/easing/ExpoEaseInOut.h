#pragma once
// Exponential ease-in-out; exact at both ends.
#include "tween/easing/IEasing.h"

namespace tween {

class ExpoEaseInOut final : public IEasing {
    RUNTIME_CLASS(ExpoEaseInOut)
public:
    ExpoEaseInOut() = default;
    explicit ExpoEaseInOut(runtime::NoInit) {}

    double calculate(double k) override;
    Curve curve() const override;
    // calculate as a plain function.
    static double curveOf(double k);
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
