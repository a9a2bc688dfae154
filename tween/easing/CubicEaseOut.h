#pragma once
// Cubic ease-out.
#include "tween/easing/IEasing.h"

namespace tween {

class CubicEaseOut final : public IEasing {
    RUNTIME_CLASS(CubicEaseOut)
public:
    CubicEaseOut() = default;
    explicit CubicEaseOut(runtime::NoInit) {}

    double calculate(double k) override;
    Curve curve() const override;
    // calculate as a plain function.
    static double curveOf(double k);
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
