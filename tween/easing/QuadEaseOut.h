#pragma once
// Quadratic ease-out.
#include "tween/easing/IEasing.h"

namespace tween {

class QuadEaseOut : public IEasing {
    RUNTIME_CLASS(QuadEaseOut)
public:
    QuadEaseOut() = default;
    explicit QuadEaseOut(runtime::NoInit) {}

    double calculate(double k) override;
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
