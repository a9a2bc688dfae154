#pragma once
// Quartic ease-in.
#include "tween/easing/IEasing.h"

namespace tween {

class QuartEaseIn final : public IEasing {
    RUNTIME_CLASS(QuartEaseIn)
public:
    QuartEaseIn() = default;
    explicit QuartEaseIn(runtime::NoInit) {}

    double calculate(double k) override;
    Curve curve() const override;
    // calculate as a plain function.
    static double curveOf(double k);
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
