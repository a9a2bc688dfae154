#pragma once
// Back ease-in-out: both halves with the overshoot scaled by 1.525.
#include "tween/easing/IEasing.h"

namespace tween {

class BackEaseInOut : public IEasing {
    RUNTIME_CLASS(BackEaseInOut)
public:
    explicit BackEaseInOut(double s) : s(s) {}
    explicit BackEaseInOut(runtime::NoInit) {}

    double calculate(double k) override;
    double ease(double t, double b, double c, double d) override;

    // The overshoot.
    double s = 0;
};

}  // namespace tween
