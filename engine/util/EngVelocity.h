#pragma once
// Per-axis velocity integration of moving objects, and the velocity for an angle.
#include "platform/runtime/Ref.h"

namespace engine {

class EngPoint;

class EngVelocity {
public:
    // One step of EngG::elapsed seconds: acceleration, else drag towards 0 (never across it);
    // then the limit max (0: none).
    static double computeVelocity(double velocity, double acceleration, double drag, double max);
    // A new pooled point; the caller owns it.
    static runtime::Ref<EngPoint> velocityFromAngle(double angle, double speed);
};

}  // namespace engine
