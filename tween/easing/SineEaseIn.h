#pragma once
// Sine ease-in.
#include "tween/easing/IEasing.h"

namespace tween {

class SineEaseIn final : public IEasing {
    RUNTIME_CLASS(SineEaseIn)
public:
    SineEaseIn() = default;
    explicit SineEaseIn(runtime::NoInit) {}

    double calculate(double k) override;
    Curve curve() const override;
    // calculate as a plain function.
    static double curveOf(double k);
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
