#include "EngVelocity.h"

#include <cmath>
#include <numbers>

#include "EngPoint.h"
#include "engine/EngG.h"

namespace engine {

double EngVelocity::computeVelocity(double velocity, double acceleration, double drag, double max) {
    double e = EngG::elapsed, v;
    if (acceleration != 0) {
        v = velocity + acceleration * e;
    } else if (drag != 0) {
        double d = drag * e;
        if (velocity - d > 0)
            v = velocity - d;
        else if (velocity + d < 0)
            v = velocity + d;
        else
            return 0;
    } else {
        v = velocity;
    }
    if (v != 0 && max != 0) {
        if (v > max)
            v = max;
        else if (v < -max)
            v = -max;
    }
    return v;
}

runtime::Ref<EngPoint> EngVelocity::velocityFromAngle(double angle, double speed) {
    double a = (std::numbers::pi / 180) * angle;
    auto p = EngPoint::get();
    p->x = std::cos(a) * speed;
    p->y = std::sin(a) * speed;
    return p;
}

}  // namespace engine
