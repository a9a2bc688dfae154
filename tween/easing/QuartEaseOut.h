#pragma once
// Quartic ease-out.
#include "tween/easing/IEasing.h"

namespace tween {

class QuartEaseOut : public IEasing {
    RUNTIME_CLASS(QuartEaseOut)
public:
    QuartEaseOut() = default;
    explicit QuartEaseOut(runtime::NoInit) {}

    double calculate(double k) override;
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
