#pragma once
// Per-axis velocity integration of moving objects, and the velocity for an angle.
#include "platform/runtime/Ref.h"

namespace engine {

class EngPoint;
class EngSprite;

class EngVelocity {
public:
    // One step of EngG::elapsed seconds: acceleration, else drag towards 0 (never across it);
    // then the limit max (0: none).
    static double computeVelocity(double velocity, double acceleration, double drag, double max);
    // A new pooled point; the caller owns it.
    static runtime::Ref<EngPoint> velocityFromAngle(double angle, double speed);
    // Aims the velocity at the target with speed, or so as to arrive in maxTime milliseconds.
    static void moveTowardsObject(EngSprite* source, const EngSprite* dest, double speed = 60, int maxTime = 0);
    // Velocity to 0, acceleration towards the target, speed limits set.
    static void accelerateTowardsObject(EngSprite* source, const EngSprite* dest, double acceleration, double maxXSpeed,
                                        double maxYSpeed);
    static void moveTowardsMouse(EngSprite* source, double speed = 60, int maxTime = 0);
    static void accelerateTowardsMouse(EngSprite* source, double acceleration, double maxXSpeed, double maxYSpeed);
    static void moveTowardsPoint(EngSprite* source, const runtime::Ref<EngPoint>& target, double speed = 60,
                                 int maxTime = 0);
    static void accelerateTowardsPoint(EngSprite* source, const runtime::Ref<EngPoint>& target, double acceleration,
                                       double maxXSpeed, double maxYSpeed);
    // A new pooled point for the facing (LEFT 180, RIGHT 0, UP -90, DOWN 90 degrees).
    static runtime::Ref<EngPoint> velocityFromFacing(const EngSprite* parent, double speed);
};

}  // namespace engine
