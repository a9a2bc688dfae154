#pragma once
// Quartic ease-out.
#include "tween/easing/IEasing.h"

namespace tween {

class QuartEaseOut final : public IEasing {
    RUNTIME_CLASS(QuartEaseOut)
public:
    QuartEaseOut() = default;
    explicit QuartEaseOut(runtime::NoInit) {}

    double calculate(double k) override;
    Curve curve() const override;
    // calculate as a plain function.
    static double curveOf(double k);
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
