#pragma once
// Quadratic ease-in.
#include "tween/easing/IEasing.h"

namespace tween {

class QuadEaseIn final : public IEasing {
    RUNTIME_CLASS(QuadEaseIn)
public:
    QuadEaseIn() = default;
    explicit QuadEaseIn(runtime::NoInit) {}

    double calculate(double k) override;
    Curve curve() const override;
    // calculate as a plain function.
    static double curveOf(double k);
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
