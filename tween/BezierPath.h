#pragma once
// A quadratic curve segment of a component path. It starts where the previous segment of its
// chain ends; strength is its share of the chain's progress.
#include "platform/runtime/ClassBuilder.h"

namespace tween {

class BezierPath : public runtime::Object {
    RUNTIME_CLASS(BezierPath)
public:
    BezierPath(double end, double control, double strength) : control(control), end(end), strength(strength) {}
    explicit BezierPath(runtime::NoInit) {}

    // The value at progress k from start; k is not clamped, so outside 0 to 1 it extrapolates.
    virtual double calculate(double start, double k);

    double control = 0;
    double end = 0;
    double strength = 0;
};

}  // namespace tween
