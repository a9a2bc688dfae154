#pragma once
// Quadratic ease-in-out.
#include "tween/easing/IEasing.h"

namespace tween {

class QuadEaseInOut : public IEasing {
    RUNTIME_CLASS(QuadEaseInOut)
public:
    QuadEaseInOut() = default;
    explicit QuadEaseInOut(runtime::NoInit) {}

    double calculate(double k) override;
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
