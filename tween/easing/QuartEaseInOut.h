#pragma once
// Quartic ease-in-out.
#include "tween/easing/IEasing.h"

namespace tween {

class QuartEaseInOut final : public IEasing {
    RUNTIME_CLASS(QuartEaseInOut)
public:
    QuartEaseInOut() = default;
    explicit QuartEaseInOut(runtime::NoInit) {}

    double calculate(double k) override;
    Curve curve() const override;
    // calculate as a plain function.
    static double curveOf(double k);
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
