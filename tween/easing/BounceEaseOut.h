#pragma once
// Bounce ease-out: three bounces of decreasing height before the end.
#include "tween/easing/IEasing.h"

namespace tween {

class BounceEaseOut final : public IEasing {
    RUNTIME_CLASS(BounceEaseOut)
public:
    BounceEaseOut() = default;
    explicit BounceEaseOut(runtime::NoInit) {}

    double calculate(double k) override;
    Curve curve() const override;
    // calculate as a plain function.
    static double curveOf(double k);
    double ease(double t, double b, double c, double d) override;

    // The same value as ease, as a class-level function.
    static double _ease(double t, double b, double c, double d);
    // The four parabolic segments of the bounce, for progress x.
    static double bounce(double x);
};

}  // namespace tween
