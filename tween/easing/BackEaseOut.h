#pragma once
// Back ease-out: overshoots the end by the overshoot s and settles back.
#include "tween/easing/IEasing.h"

namespace tween {

class BackEaseOut : public IEasing {
    RUNTIME_CLASS(BackEaseOut)
public:
    explicit BackEaseOut(double s) : s(s) {}
    explicit BackEaseOut(runtime::NoInit) {}

    double calculate(double k) override;
    double ease(double t, double b, double c, double d) override;

    // The overshoot.
    double s = 0;
};

}  // namespace tween
