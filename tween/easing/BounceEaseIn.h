#pragma once
// Bounce ease-in: the ease-out bounces played backwards.
#include "tween/easing/IEasing.h"

namespace tween {

class BounceEaseIn final : public IEasing {
    RUNTIME_CLASS(BounceEaseIn)
public:
    BounceEaseIn() = default;
    explicit BounceEaseIn(runtime::NoInit) {}

    double calculate(double k) override;
    Curve curve() const override;
    // calculate as a plain function.
    static double curveOf(double k);
    double ease(double t, double b, double c, double d) override;

    // c - BounceEaseOut::_ease(d - t, 0, c, d) + b.
    static double _ease(double t, double b, double c, double d);
};

}  // namespace tween
