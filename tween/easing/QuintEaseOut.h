#pragma once
// Quintic ease-out.
#include "tween/easing/IEasing.h"

namespace tween {

class QuintEaseOut final : public IEasing {
    RUNTIME_CLASS(QuintEaseOut)
public:
    QuintEaseOut() = default;
    explicit QuintEaseOut(runtime::NoInit) {}

    double calculate(double k) override;
    Curve curve() const override;
    // calculate as a plain function.
    static double curveOf(double k);
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
