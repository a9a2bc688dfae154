#pragma once
// Quadratic ease-in.
#include "tween/easing/IEasing.h"

namespace tween {

class QuadEaseIn : public IEasing {
    RUNTIME_CLASS(QuadEaseIn)
public:
    QuadEaseIn() = default;
    explicit QuadEaseIn(runtime::NoInit) {}

    double calculate(double k) override;
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
