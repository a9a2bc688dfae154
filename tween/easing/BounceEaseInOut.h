#pragma once
// Bounce ease-in-out: ease-in bounces for the first half, ease-out for the second.
#include "tween/easing/IEasing.h"

namespace tween {

class BounceEaseInOut : public IEasing {
    RUNTIME_CLASS(BounceEaseInOut)
public:
    BounceEaseInOut() = default;
    explicit BounceEaseInOut(runtime::NoInit) {}

    double calculate(double k) override;
    double ease(double t, double b, double c, double d) override;
};

}  // namespace tween
