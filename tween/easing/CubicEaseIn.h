#pragma once
// Cubic ease-in.
#include "tween/easing/IEasing.h"

namespace tween {

class CubicEaseIn final : public IEasing {
    RUNTIME_CLASS(CubicEaseIn)
public:
    CubicEaseIn() = default;
    explicit CubicEaseIn(runtime::NoInit) {}

    double calculate(double k) override;
    Curve curve() const override;
    // calculate as a plain function.
    static double curveOf(double k);
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
