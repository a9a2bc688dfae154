#pragma once
// Bounce ease-in-out: ease-in bounces for the first half, ease-out for the second.
#include "tween/easing/IEasing.h"

namespace tween {

class BounceEaseInOut final : public IEasing {
    RUNTIME_CLASS(BounceEaseInOut)
public:
    BounceEaseInOut() = default;
    explicit BounceEaseInOut(runtime::NoInit) {}

    double calculate(double k) override;
    Curve curve() const override;
    // calculate as a plain function.
    static double curveOf(double k);
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
