#pragma once
// Quartic ease-in.
#include "tween/easing/IEasing.h"

namespace tween {

class QuartEaseIn : public IEasing {
    RUNTIME_CLASS(QuartEaseIn)
public:
    QuartEaseIn() = default;
    explicit QuartEaseIn(runtime::NoInit) {}

    double calculate(double k) override;
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
