#pragma once
// Sine ease-out.
#include "tween/easing/IEasing.h"

namespace tween {

class SineEaseOut final : public IEasing {
    RUNTIME_CLASS(SineEaseOut)
public:
    SineEaseOut() = default;
    explicit SineEaseOut(runtime::NoInit) {}

    double calculate(double k) override;
    Curve curve() const override;
    // calculate as a plain function.
    static double curveOf(double k);
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
