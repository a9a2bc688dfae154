#pragma once
// Linear progress.
#include "tween/easing/IEasing.h"

namespace tween {

class LinearEaseNone final : public IEasing {
    RUNTIME_CLASS(LinearEaseNone)
public:
    LinearEaseNone() = default;
    explicit LinearEaseNone(runtime::NoInit) {}

    double calculate(double k) override;
    Curve curve() const override;
    // calculate as a plain function.
    static double curveOf(double k);
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
