#pragma once
// Cubic ease-out.
#include "tween/easing/IEasing.h"

namespace tween {

class CubicEaseOut : public IEasing {
    RUNTIME_CLASS(CubicEaseOut)
public:
    CubicEaseOut() = default;
    explicit CubicEaseOut(runtime::NoInit) {}

    double calculate(double k) override;
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
