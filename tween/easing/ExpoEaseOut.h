#pragma once
// Exponential ease-out; exactly 1 at the end.
#include "tween/easing/IEasing.h"

namespace tween {

class ExpoEaseOut : public IEasing {
    RUNTIME_CLASS(ExpoEaseOut)
public:
    ExpoEaseOut() = default;
    explicit ExpoEaseOut(runtime::NoInit) {}

    double calculate(double k) override;
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
