#include "EngObject.h"

#include <cmath>

#include "engine/util/EngRect.h"

namespace engine {

EngObject::EngObject(double x_, double y_, double w, double h) : x(x_), y(y_), width(w), height(h) {
    velocity = runtime::make<EngPoint>();
    last = runtime::make<EngPoint>(x, y);
    collisionType = EngCollisionType::OBJECT;
}

runtime::Ref<EngPoint> EngObject::getMidpoint(runtime::Ref<EngPoint> point) {
    if (!point) point = EngPoint::get();
    return runtime::Ref<EngPoint>(point->set(x + get_width() * 0.5, y + get_height() * 0.5));
}

namespace {

// The swept hulls of the last pair tested.
EngRect firstSeparateRect, secondSeparateRect;

bool hullsOverlap(const EngRect& a, const EngRect& b) {
    return a.x + a.width > b.x && a.x < b.x + b.width && a.y + a.height > b.y && a.y < b.y + b.height;
}

double sign(double v) { return v > 0 ? 1 : -1; }

// Exchanges velocities of two movable objects by mass and elasticity.
void bounce(double vel1, double vel2, EngObject* o1, EngObject* o2, double& out1, double& out2) {
    double u1 = std::sqrt(vel2 * vel2 * o2->mass / o1->mass) * sign(vel2);
    double u2 = std::sqrt(vel1 * vel1 * o1->mass / o2->mass) * sign(vel1);
    double average = (u1 + u2) * 0.5;
    out1 = average + (u1 - average) * o1->elasticity;
    out2 = average + (u2 - average) * o2->elasticity;
}

}  // namespace

bool EngObject::separate(EngObject* object1, EngObject* object2) {
    bool x = separateX(object1, object2);
    bool y = separateY(object1, object2);
    return x || y;
}

bool EngObject::separateX(EngObject* o1, EngObject* o2) {
    if (o1->immovable && o2->immovable) return false;
    // Tile maps separate per tile; they are not built yet, so a pair with one never separates.
    if (o1->collisionType == EngCollisionType::TILEMAP || o2->collisionType == EngCollisionType::TILEMAP) return false;
    double delta1 = o1->x - o1->last->x, delta2 = o2->x - o2->last->x;
    if (delta1 == delta2) return false;
    double a1 = std::fabs(delta1), a2 = std::fabs(delta2);
    firstSeparateRect.set(o1->x - (delta1 > 0 ? delta1 : 0), o1->last->y, o1->get_width() + a1, o1->get_height());
    secondSeparateRect.set(o2->x - (delta2 > 0 ? delta2 : 0), o2->last->y, o2->get_width() + a2, o2->get_height());
    if (!hullsOverlap(firstSeparateRect, secondSeparateRect)) return false;
    double maxOverlap = a1 + a2 + SEPARATE_BIAS;
    double overlap;
    if (delta1 > delta2) {
        overlap = o1->x + o1->get_width() - o2->x;
        if (overlap > maxOverlap || !(o1->allowCollisions & RIGHT) || !(o2->allowCollisions & LEFT)) return false;
        o1->touching |= RIGHT;
        o2->touching |= LEFT;
    } else if (delta1 < delta2) {
        overlap = o1->x - o2->get_width() - o2->x;
        if (-overlap > maxOverlap || !(o1->allowCollisions & LEFT) || !(o2->allowCollisions & RIGHT)) return false;
        o1->touching |= LEFT;
        o2->touching |= RIGHT;
    } else {
        return false;
    }
    if (overlap == 0) return false;
    double vel1 = o1->velocity->x, vel2 = o2->velocity->x;
    if (!o1->immovable && !o2->immovable) {
        overlap *= 0.5;
        o1->set_x(o1->x - overlap);
        o2->set_x(o2->x + overlap);
        double v1, v2;
        bounce(vel1, vel2, o1, o2, v1, v2);
        o1->velocity->set_x(v1);
        o2->velocity->set_x(v2);
    } else if (!o1->immovable) {
        o1->set_x(o1->x - overlap);
        o1->velocity->set_x(vel2 - vel1 * o1->elasticity);
    } else {
        o2->set_x(o2->x + overlap);
        o2->velocity->set_x(vel1 - vel2 * o2->elasticity);
    }
    return true;
}

bool EngObject::separateY(EngObject* o1, EngObject* o2) {
    if (o1->immovable && o2->immovable) return false;
    if (o1->collisionType == EngCollisionType::TILEMAP || o2->collisionType == EngCollisionType::TILEMAP) return false;
    double delta1 = o1->y - o1->last->y, delta2 = o2->y - o2->last->y;
    if (delta1 == delta2) return false;
    double a1 = std::fabs(delta1), a2 = std::fabs(delta2);
    firstSeparateRect.set(o1->x, o1->y - (delta1 > 0 ? delta1 : 0), o1->get_width(), o1->get_height() + a1);
    secondSeparateRect.set(o2->x, o2->y - (delta2 > 0 ? delta2 : 0), o2->get_width(), o2->get_height() + a2);
    if (!hullsOverlap(firstSeparateRect, secondSeparateRect)) return false;
    double maxOverlap = a1 + a2 + SEPARATE_BIAS;
    double overlap;
    if (delta1 > delta2) {
        overlap = o1->y + o1->get_height() - o2->y;
        if (overlap > maxOverlap || !(o1->allowCollisions & DOWN) || !(o2->allowCollisions & UP)) return false;
        o1->touching |= DOWN;
        o2->touching |= UP;
    } else if (delta1 < delta2) {
        overlap = o1->y - o2->get_height() - o2->y;
        if (-overlap > maxOverlap || !(o1->allowCollisions & UP) || !(o2->allowCollisions & DOWN)) return false;
        o1->touching |= UP;
        o2->touching |= DOWN;
    } else {
        return false;
    }
    if (overlap == 0) return false;
    double vel1 = o1->velocity->y, vel2 = o2->velocity->y;
    if (!o1->immovable && !o2->immovable) {
        overlap *= 0.5;
        o1->set_y(o1->y - overlap);
        o2->set_y(o2->y + overlap);
        double v1, v2;
        bounce(vel1, vel2, o1, o2, v1, v2);
        o1->velocity->set_y(v1);
        o2->velocity->set_y(v2);
    } else if (!o1->immovable) {
        o1->set_y(o1->y - overlap);
        o1->velocity->set_y(vel2 - vel1 * o1->elasticity);
        if (o1->collisonXDrag && o2->active && o2->moves && delta1 > delta2) o1->set_x(o1->x + o2->x - o2->last->x);
    } else {
        o2->set_y(o2->y + overlap);
        o2->velocity->set_y(vel1 - vel2 * o2->elasticity);
        if (o2->collisonXDrag && o1->active && o1->moves && delta1 < delta2) o2->set_x(o2->x + o1->x - o1->last->x);
    }
    return true;
}

}  // namespace engine

using engine::EngObject;

RUNTIME_DEFINE_CLASS(EngObject, "engine.EngObject", engine::EngBasic, (auto& b) {
    b.template field<&EngObject::x>("x")
        .template field<&EngObject::y>("y")
        .template property<&EngObject::get_width, &EngObject::set_width>("width")
        .template property<&EngObject::get_height, &EngObject::set_height>("height")
        .template field<&EngObject::allowCollisions>("allowCollisions")
        .template field<&EngObject::immovable>("immovable")
        .template field<&EngObject::touching>("touching")
        .emptyInstance();
})
