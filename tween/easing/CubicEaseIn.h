#pragma once
// Cubic ease-in.
#include "tween/easing/IEasing.h"

namespace tween {

class CubicEaseIn : public IEasing {
    RUNTIME_CLASS(CubicEaseIn)
public:
    CubicEaseIn() = default;
    explicit CubicEaseIn(runtime::NoInit) {}

    double calculate(double k) override;
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
