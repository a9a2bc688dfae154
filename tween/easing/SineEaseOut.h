#pragma once
// Sine ease-out.
#include "tween/easing/IEasing.h"

namespace tween {

class SineEaseOut : public IEasing {
    RUNTIME_CLASS(SineEaseOut)
public:
    SineEaseOut() = default;
    explicit SineEaseOut(runtime::NoInit) {}

    double calculate(double k) override;
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
