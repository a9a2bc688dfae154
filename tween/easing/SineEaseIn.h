#pragma once
// Sine ease-in.
#include "tween/easing/IEasing.h"

namespace tween {

class SineEaseIn : public IEasing {
    RUNTIME_CLASS(SineEaseIn)
public:
    SineEaseIn() = default;
    explicit SineEaseIn(runtime::NoInit) {}

    double calculate(double k) override;
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
