#pragma once
// Quintic ease-in-out.
#include "tween/easing/IEasing.h"

namespace tween {

class QuintEaseInOut final : public IEasing {
    RUNTIME_CLASS(QuintEaseInOut)
public:
    QuintEaseInOut() = default;
    explicit QuintEaseInOut(runtime::NoInit) {}

    double calculate(double k) override;
    Curve curve() const override;
    // calculate as a plain function.
    static double curveOf(double k);
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
