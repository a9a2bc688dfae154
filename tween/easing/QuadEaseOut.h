#pragma once
// Quadratic ease-out.
#include "tween/easing/IEasing.h"

namespace tween {

class QuadEaseOut final : public IEasing {
    RUNTIME_CLASS(QuadEaseOut)
public:
    QuadEaseOut() = default;
    explicit QuadEaseOut(runtime::NoInit) {}

    double calculate(double k) override;
    Curve curve() const override;
    // calculate as a plain function.
    static double curveOf(double k);
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
