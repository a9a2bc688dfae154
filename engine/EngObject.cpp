#include "EngObject.h"

#include <cmath>

#include "engine/EngCamera.h"
#include "engine/EngG.h"
#include "engine/group/EngGroup.h"
#include "engine/system/frontEnds/CameraFrontEnd.h"
#include "engine/tile/EngTilemap.h"
#include "engine/util/EngDestroyUtil.h"
#include "engine/util/EngStringUtil.h"
#include "engine/util/EngVelocity.h"
#include "engine/util/LabelValuePair.h"
#include "platform/runtime/Args.h"
#include "platform/runtime/Function.h"
#include "platform/runtime/Thrown.h"

namespace engine {

using runtime::Ref;
using runtime::Value;

namespace {
Ref<EngRect> scratchRect() {
    auto r = runtime::make<EngRect>();
    return r;
}

const EngObject::CameraList& emptyCameras() {
    static const EngObject::CameraList none;
    return none;
}

// Anything else than a positioned object fails as an invalid cast.
EngObject* asObject(EngBasic* basic) {
    auto* object = dynamic_cast<EngObject*>(basic);
    if (!object) runtime::Thrown::text(runtime::Thrown::INVALID_CAST);
    return object;
}

EngCamera* orMainCamera(EngCamera* camera) { return camera ? camera : EngG::camera.get(); }

// The separation of one axis as a function value, for the tile map's per-tile hand-off.
Ref<runtime::Function> axisFunction(bool (*axis)(EngObject*, EngObject*)) {
    return runtime::Function::of([axis](Value a, Value b) { return axis(a.as<EngObject>(), b.as<EngObject>()); });
}
}  // namespace

Ref<EngRect> EngObject::_firstSeparateEngRect = scratchRect();
Ref<EngRect> EngObject::_secondSeparateEngRect = scratchRect();

EngObject::EngObject(double x_, double y_, double w, double h) {
    set_x(x_);
    set_y(y_);
    set_width(w);
    set_height(h);
    EngObject::initVars();
}

EngObject::EngObject(double x_, double y_, double w, double h, SkipInitVars) {
    set_x(x_);
    set_y(y_);
    set_width(w);
    set_height(h);
}

void EngObject::initVars() {
    collisionType = EngCollisionType::OBJECT;
    last = EngPoint::get(x, y);
    scrollFactor = EngPoint::get(1, 1);
    _point = EngPoint::get();
    initMotionVars();
}

void EngObject::initMotionVars() {
    velocity = EngPoint::get();
    acceleration = EngPoint::get();
    drag = EngPoint::get();
    maxVelocity = EngPoint::get(10000, 10000);
}

void EngObject::destroy() {
    EngBasic::destroy();
    velocity = EngDestroyUtil::put(velocity);
    acceleration = EngDestroyUtil::put(acceleration);
    drag = EngDestroyUtil::put(drag);
    maxVelocity = EngDestroyUtil::put(maxVelocity);
    scrollFactor = EngDestroyUtil::put(scrollFactor);
    last = EngDestroyUtil::put(last);
    _point = EngDestroyUtil::put(_point);
    _cameras = nullptr;
}

void EngObject::update() {
    last->set_x(x);
    last->set_y(y);
    if (moves) updateMotion();
    wasTouching = touching;
    touching = NONE;
}

void EngObject::updateMotion() {
    double e = EngG::elapsed;
    double d = 0.5 * (EngVelocity::computeVelocity(angularVelocity, angularAcceleration, angularDrag, maxAngular) -
                      angularVelocity);
    angularVelocity += d;
    set_angle(angle + angularVelocity * e);
    angularVelocity += d;

    d = 0.5 * (EngVelocity::computeVelocity(velocity->x, acceleration->x, drag->x, maxVelocity->x) - velocity->x);
    velocity->set_x(velocity->x + d);
    double s = velocity->x * e;
    velocity->set_x(velocity->x + d);
    set_x(x + s);

    d = 0.5 * (EngVelocity::computeVelocity(velocity->y, acceleration->y, drag->y, maxVelocity->y) - velocity->y);
    velocity->set_y(velocity->y + d);
    s = velocity->y * e;
    velocity->set_y(velocity->y + d);
    set_y(y + s);
}

bool EngObject::overlaps(EngBasic* other, bool inScreenSpace, EngCamera* camera) {
    if (EngTypedGroup* group = EngGroup::resolveGroup(other)) {
        return EngGroup::overlaps(
            [this](EngBasic* m, double mx, double my, bool s, EngCamera* c) { return overlapsCallback(m, mx, my, s, c); },
            group, 0, 0, inScreenSpace, camera);
    }
    if (other->collisionType == EngCollisionType::TILEMAP)
        return static_cast<EngTilemap*>(other)->overlaps(this, inScreenSpace, camera);
    return overlapsObjectAt(x, y, asObject(other), inScreenSpace, camera);
}

bool EngObject::overlapsCallback(EngBasic* other, double, double, bool inScreenSpace, EngCamera* camera) {
    return overlaps(other, inScreenSpace, camera);
}

bool EngObject::overlapsAt(double X, double Y, EngBasic* other, bool inScreenSpace, EngCamera* camera) {
    if (EngTypedGroup* group = EngGroup::resolveGroup(other)) {
        return EngGroup::overlaps(
            [this](EngBasic* m, double mx, double my, bool s, EngCamera* c) { return overlapsAtCallback(m, mx, my, s, c); },
            group, X, Y, inScreenSpace, camera);
    }
    if (other->collisionType == EngCollisionType::TILEMAP) {
        auto* map = static_cast<EngTilemap*>(other);
        return map->overlapsAt(map->x - (X - x), map->y - (Y - y), this, inScreenSpace, camera);
    }
    return overlapsObjectAt(X, Y, asObject(other), inScreenSpace, camera);
}

bool EngObject::overlapsAtCallback(EngBasic* other, double X, double Y, bool inScreenSpace, EngCamera* camera) {
    return overlapsAt(X, Y, other, inScreenSpace, camera);
}

bool EngObject::overlapsObjectAt(double X, double Y, EngObject* o, bool inScreenSpace, EngCamera* camera) {
    if (!inScreenSpace)
        return o->x + o->get_width() > X && o->x < X + get_width() && o->y + o->get_height() > Y &&
               o->y < Y + get_height();
    camera = orMainCamera(camera);
    Ref<EngPoint> p = o->getScreenXY(nullptr, camera);
    _point->set_x(X - camera->scroll->x * scrollFactor->x);
    _point->set_y(Y - camera->scroll->y * scrollFactor->y);
    bool result = p->x + o->get_width() > _point->x && p->x < _point->x + get_width() &&
                  p->y + o->get_height() > _point->y && p->y < _point->y + get_height();
    p->put();
    return result;
}

bool EngObject::overlapsPoint(const Ref<EngPoint>& point, bool inScreenSpace, EngCamera* camera) {
    if (!inScreenSpace)
        return point->x > x && point->x < x + get_width() && point->y > y && point->y < y + get_height();
    camera = orMainCamera(camera);
    double X = point->x - camera->scroll->x, Y = point->y - camera->scroll->y;
    getScreenXY(_point, camera);
    point->putWeak();
    return X > _point->x && X < _point->x + get_width() && Y > _point->y && Y < _point->y + get_height();
}

bool EngObject::inWorldBounds() {
    const Ref<EngRect>& b = EngG::worldBounds;
    return x + get_width() > b->x && x < b->x + b->width && y + get_height() > b->y && y < b->y + b->height;
}

Ref<EngPoint> EngObject::getScreenXY(Ref<EngPoint> point, EngCamera* camera) {
    if (!point) point = EngPoint::get();
    camera = orMainCamera(camera);
    point->set(x - camera->scroll->x * scrollFactor->x, y - camera->scroll->y * scrollFactor->y);
    return point;
}

Ref<EngPoint> EngObject::getMidpoint(Ref<EngPoint> point) {
    if (!point) point = EngPoint::get();
    point->set(x + get_width() * 0.5, y + get_height() * 0.5);
    return point;
}

void EngObject::reset(double X, double Y) {
    revive();
    touching = NONE;
    wasTouching = NONE;
    setPosition(X, Y);
    last->set(x, y);
    velocity->set(0, 0);
}

bool EngObject::isOnScreen(EngCamera* camera) {
    camera = orMainCamera(camera);
    getScreenXY(_point, camera);
    return _point->x + get_width() > 0 && _point->x < camera->width && _point->y + get_height() > 0 &&
           _point->y < camera->height;
}

void EngObject::hurt(double damage) {
    health -= damage;
    if (!(0 < health) && !std::isnan(health)) kill();
}

void EngObject::setPosition(double X, double Y) {
    set_x(X);
    set_y(Y);
}

void EngObject::setSize(double w, double h) {
    set_width(w);
    set_height(h);
}

bool EngObject::set_solid(bool value) {
    allowCollisions = value ? ANY : NONE;
    return value;
}

Ref<EngCamera> EngObject::get_camera() const {
    if (_cameras && !_cameras->empty()) return (*_cameras)[0];
    const CameraList& defaults = CameraFrontEnd::defaultCameras ? *CameraFrontEnd::defaultCameras : emptyCameras();
    return defaults.empty() ? nullptr : defaults[0];
}

Ref<EngCamera> EngObject::set_camera(const Ref<EngCamera>& value) {
    if (!_cameras) _cameras = std::make_shared<CameraList>(CameraList{value});
    else if (_cameras->empty()) _cameras->push_back(value);
    else (*_cameras)[0] = value;
    return value;
}

const EngObject::CameraList& EngObject::get_cameras() const {
    if (_cameras) return *_cameras;
    return CameraFrontEnd::defaultCameras ? *CameraFrontEnd::defaultCameras : emptyCameras();
}

std::shared_ptr<EngObject::CameraList> EngObject::set_cameras(std::shared_ptr<CameraList> value) {
    _cameras = value;
    return value;
}

std::string EngObject::toString() const {
    return EngStringUtil::getDebugString(
        {LabelValuePair::weak("x", x), LabelValuePair::weak("y", y), LabelValuePair::weak("w", get_width()),
         LabelValuePair::weak("h", get_height()), LabelValuePair::weak("visible", visible),
         LabelValuePair::weak("velocity", Value(static_cast<runtime::Object*>(velocity.get())))});
}

namespace {
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
    bool sx = separateX(object1, object2);
    bool sy = separateY(object1, object2);
    return sx || sy;
}

bool EngObject::separateX(EngObject* o1, EngObject* o2) {
    if (o1->immovable && o2->immovable) return false;
    static const Ref<runtime::Function> self = axisFunction(&EngObject::separateX);
    if (o1->collisionType == EngCollisionType::TILEMAP)
        return static_cast<EngTilemap*>(o1)->overlapsWithCallback(o2, self);
    if (o2->collisionType == EngCollisionType::TILEMAP)
        return static_cast<EngTilemap*>(o2)->overlapsWithCallback(o1, self, true);
    double delta1 = o1->x - o1->last->x, delta2 = o2->x - o2->last->x;
    if (delta1 == delta2) return false;
    double a1 = std::fabs(delta1), a2 = std::fabs(delta2);
    EngRect& r1 = *_firstSeparateEngRect;
    EngRect& r2 = *_secondSeparateEngRect;
    r1.x = o1->x - (delta1 > 0 ? delta1 : 0);
    r1.y = o1->last->y;
    r1.width = o1->width + a1;
    r1.height = o1->height;
    r2.x = o2->x - (delta2 > 0 ? delta2 : 0);
    r2.y = o2->last->y;
    r2.width = o2->width + a2;
    r2.height = o2->height;
    if (!hullsOverlap(r1, r2)) return false;
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
    static const Ref<runtime::Function> self = axisFunction(&EngObject::separateY);
    if (o1->collisionType == EngCollisionType::TILEMAP)
        return static_cast<EngTilemap*>(o1)->overlapsWithCallback(o2, self);
    if (o2->collisionType == EngCollisionType::TILEMAP)
        return static_cast<EngTilemap*>(o2)->overlapsWithCallback(o1, self, true);
    double delta1 = o1->y - o1->last->y, delta2 = o2->y - o2->last->y;
    if (delta1 == delta2) return false;
    double a1 = std::fabs(delta1), a2 = std::fabs(delta2);
    EngRect& r1 = *_firstSeparateEngRect;
    EngRect& r2 = *_secondSeparateEngRect;
    r1.x = o1->x;
    r1.y = o1->y - (delta1 > 0 ? delta1 : 0);
    r1.width = o1->width;
    r1.height = o1->height + a1;
    r2.x = o2->x;
    r2.y = o2->y - (delta2 > 0 ? delta2 : 0);
    r2.width = o2->width;
    r2.height = o2->height + a2;
    if (!hullsOverlap(r1, r2)) return false;
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
    using T = EngObject;
    b.template property<&T::get_x, &T::set_x>("x")
        .template property<&T::get_y, &T::set_y>("y")
        .template property<&T::get_width, &T::set_width>("width")
        .template property<&T::get_height, &T::set_height>("height")
        .template property<&T::get_angle, &T::set_angle>("angle")
        .template property<&T::get_moves, &T::set_moves>("moves")
        .template property<&T::get_immovable, &T::set_immovable>("immovable")
        .template property<&T::get_solid, &T::set_solid>("solid")
        .template property<&T::get_pixelPerfectRender, &T::set_pixelPerfectRender>("pixelPerfectRender")
        .template field<&T::scrollFactor>("scrollFactor")
        .template field<&T::velocity>("velocity")
        .template field<&T::acceleration>("acceleration")
        .template field<&T::drag>("drag")
        .template field<&T::maxVelocity>("maxVelocity")
        .template field<&T::last>("last")
        .template field<&T::mass>("mass")
        .template field<&T::elasticity>("elasticity")
        .template field<&T::angularVelocity>("angularVelocity")
        .template field<&T::angularAcceleration>("angularAcceleration")
        .template field<&T::angularDrag>("angularDrag")
        .template field<&T::maxAngular>("maxAngular")
        .template field<&T::health>("health")
        .template field<&T::touching>("touching")
        .template field<&T::wasTouching>("wasTouching")
        .template field<&T::allowCollisions>("allowCollisions")
        .template field<&T::collisonXDrag>("collisonXDrag")
        .template field<&T::_point>("_point")
        .template method<&T::hurt>("hurt")
        .template method<&T::reset>("reset")
        .template method<&T::setPosition>("setPosition")
        .template method<&T::setSize>("setSize")
        .template method<&T::isTouching>("isTouching")
        .template method<&T::justTouched>("justTouched")
        .template method<&T::inWorldBounds>("inWorldBounds")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<EngObject>(a.number(0), a.number(1), a.number(2), a.number(3));
        });
})
