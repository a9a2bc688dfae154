#pragma once
// Linear progress.
#include "tween/easing/IEasing.h"

namespace tween {

class LinearEaseNone : public IEasing {
    RUNTIME_CLASS(LinearEaseNone)
public:
    LinearEaseNone() = default;
    explicit LinearEaseNone(runtime::NoInit) {}

    double calculate(double k) override;
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
