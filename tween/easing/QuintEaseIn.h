#pragma once
// Quintic ease-in.
#include "tween/easing/IEasing.h"

namespace tween {

class QuintEaseIn : public IEasing {
    RUNTIME_CLASS(QuintEaseIn)
public:
    QuintEaseIn() = default;
    explicit QuintEaseIn(runtime::NoInit) {}

    double calculate(double k) override;
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
