#pragma once
// Quintic ease-out.
#include "tween/easing/IEasing.h"

namespace tween {

class QuintEaseOut : public IEasing {
    RUNTIME_CLASS(QuintEaseOut)
public:
    QuintEaseOut() = default;
    explicit QuintEaseOut(runtime::NoInit) {}

    double calculate(double k) override;
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
