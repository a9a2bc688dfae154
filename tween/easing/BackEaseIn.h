#pragma once
// Back ease-in: dips below the start by the overshoot s before rising.
#include "tween/easing/IEasing.h"

namespace tween {

class BackEaseIn : public IEasing {
    RUNTIME_CLASS(BackEaseIn)
public:
    explicit BackEaseIn(double s) : s(s) {}
    explicit BackEaseIn(runtime::NoInit) {}

    double calculate(double k) override;
    double ease(double t, double b, double c, double d) override;

    // The overshoot.
    double s = 0;
};

}  // namespace tween
