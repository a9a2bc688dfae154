#pragma once
// A straight segment of a component path.
#include "BezierPath.h"

namespace tween {

class LinearPath : public BezierPath {
    RUNTIME_CLASS(LinearPath)
public:
    LinearPath(double end, double strength) : BezierPath(end, 0, strength) {}
    explicit LinearPath(runtime::NoInit n) : BezierPath(n) {}

    double calculate(double start, double k) override;
};

}  // namespace tween
