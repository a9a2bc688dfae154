#pragma once
// Quintic ease-in-out.
#include "tween/easing/IEasing.h"

namespace tween {

class QuintEaseInOut : public IEasing {
    RUNTIME_CLASS(QuintEaseInOut)
public:
    QuintEaseInOut() = default;
    explicit QuintEaseInOut(runtime::NoInit) {}

    double calculate(double k) override;
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
