#include "EngVelocity.h"

#include <cmath>
#include <numbers>

#include "EngPoint.h"
#include "engine/EngG.h"
#include "engine/EngSprite.h"
#include "engine/util/EngAngle.h"
#include "engine/util/EngMath.h"

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

namespace {
void aim(EngSprite* s, double a, double speed) {
    s->velocity->set_x(std::cos(a) * speed);
    s->velocity->set_y(std::sin(a) * speed);
}

double arrivalSpeed(int distance, int maxTime) { return std::trunc(distance / (maxTime / 1000.0)); }

void accelerate(EngSprite* s, double a, double acceleration, double maxX, double maxY) {
    s->velocity->set_x(0);
    s->velocity->set_y(0);
    s->acceleration->set_x(std::cos(a) * acceleration);
    s->acceleration->set_y(std::sin(a) * acceleration);
    s->maxVelocity->set_x(maxX);
    s->maxVelocity->set_y(maxY);
}
}  // namespace

void EngVelocity::moveTowardsObject(EngSprite* source, const EngSprite* dest, double speed, int maxTime) {
    double a = EngAngle::angleBetween(source, dest);
    if (maxTime > 0) speed = arrivalSpeed(EngMath::distanceBetween(source, dest), maxTime);
    aim(source, a, speed);
}

void EngVelocity::accelerateTowardsObject(EngSprite* source, const EngSprite* dest, double acceleration, double maxX,
                                          double maxY) {
    accelerate(source, EngAngle::angleBetween(source, dest), acceleration, maxX, maxY);
}

void EngVelocity::moveTowardsMouse(EngSprite* source, double speed, int maxTime) {
    double a = EngAngle::angleBetweenMouse(source);
    if (maxTime > 0) speed = arrivalSpeed(EngMath::distanceToMouse(source), maxTime);
    aim(source, a, speed);
}

void EngVelocity::accelerateTowardsMouse(EngSprite* source, double acceleration, double maxX, double maxY) {
    accelerate(source, EngAngle::angleBetweenMouse(source), acceleration, maxX, maxY);
}

void EngVelocity::moveTowardsPoint(EngSprite* source, const runtime::Ref<EngPoint>& target, double speed, int maxTime) {
    double a = EngAngle::angleBetweenPoint(source, target);
    if (maxTime > 0) speed = arrivalSpeed(EngMath::distanceToPoint(source, target), maxTime);
    aim(source, a, speed);
    target->putWeak();
}

void EngVelocity::accelerateTowardsPoint(EngSprite* source, const runtime::Ref<EngPoint>& target, double acceleration,
                                         double maxX, double maxY) {
    accelerate(source, EngAngle::angleBetweenPoint(source, target), acceleration, maxX, maxY);
    target->putWeak();
}

runtime::Ref<EngPoint> EngVelocity::velocityFromFacing(const EngSprite* parent, double speed) {
    double angle = 0;
    switch (parent->facing) {
        case EngObject::LEFT: angle = 180; break;
        case EngObject::UP: angle = -90; break;
        case EngObject::DOWN: angle = 90; break;
        default: angle = 0;
    }
    return velocityFromAngle(angle, speed);
}

}  // namespace engine
