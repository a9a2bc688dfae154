#pragma once
// An easing curve: turns linear progress into eased progress. Ease objects never change after
// construction, so one object can serve any number of tweens at once.
#include "platform/runtime/ClassBuilder.h"

namespace tween {

class IEasing : public runtime::Object {
    RUNTIME_CLASS(IEasing)
public:
    // k: linear progress, 0 at the start and 1 at the end (not clamped).
    virtual double calculate(double k) = 0;
    // The value at time t of a change c from b over duration d.
    virtual double ease(double t, double b, double c, double d) = 0;

    // calculate as a plain function, for curves that hold no data (null for the others).
    using Curve = double (*)(double);
    virtual Curve curve() const { return nullptr; }
};

}  // namespace tween
