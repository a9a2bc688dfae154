#include "EngPoint.h"

#include <cmath>

#include "EngMath.h"
#include "EngRect.h"
#include "EngStringUtil.h"
#include "LabelValuePair.h"
#include "framework/geom/Point.h"
#include "platform/runtime/Numbers.h"

namespace engine {

using runtime::Ref;

EngPoint::EngPoint(double x_, double y_) { set(x_, y_); }

const Ref<EngPool<EngPoint>>& EngPoint::_pool() {
    static const Ref<EngPool<EngPoint>> pool = runtime::make<EngPool<EngPoint>>();
    return pool;
}

Ref<EngPoint> EngPoint::get(double x, double y) {
    Ref<EngPoint> p = _pool()->get();
    p->set(x, y);
    p->_inPool = false;
    return p;
}

Ref<EngPoint> EngPoint::weak(double x, double y) {
    Ref<EngPoint> p = _pool()->get();
    p->set(x, y);
    p->_weak = true;
    return p;
}

void EngPoint::put() {
    if (_inPool) return;
    _inPool = true;
    // A point handed back is an ordinary point again when the pool hands it out: a stale weak
    // mark would let an operation return it to the pool while its new taker still holds it.
    _weak = false;
    _pool()->putUnsafe(Ref<EngPoint>(this));
}

void EngPoint::putWeak() {
    if (_weak) put();
}

EngPoint* EngPoint::set(double nx, double ny) {
    set_x(nx);
    set_y(ny);
    return this;
}

EngPoint* EngPoint::add(double dx, double dy) {
    set_x(x + dx);
    set_y(y + dy);
    return this;
}

EngPoint* EngPoint::addPoint(const Ref<EngPoint>& p) {
    set_x(x + p->x);
    set_y(y + p->y);
    p->putWeak();
    return this;
}

EngPoint* EngPoint::subtract(double dx, double dy) {
    set_x(x - dx);
    set_y(y - dy);
    return this;
}

EngPoint* EngPoint::subtractPoint(const Ref<EngPoint>& p) {
    set_x(x - p->x);
    set_y(y - p->y);
    p->putWeak();
    return this;
}

EngPoint* EngPoint::copyFrom(const Ref<EngPoint>& p) {
    set_x(p->x);
    set_y(p->y);
    return this;
}

Ref<EngPoint> EngPoint::copyTo(Ref<EngPoint> p) {
    if (!p) p = get();
    p->set_x(x);
    p->set_y(y);
    return p;
}

EngPoint* EngPoint::copyFromFlash(const Ref<framework::Point>& p) {
    set_x(p->x);
    set_y(p->y);
    return this;
}

Ref<framework::Point> EngPoint::copyToFlash(const Ref<framework::Point>& p) {
    p->x = x;
    p->y = y;
    return p;
}

bool EngPoint::inCoords(double rx, double ry, double rw, double rh) {
    return EngMath::pointInCoordinates(x, y, rx, ry, rw, rh);
}

bool EngPoint::inEngRect(const Ref<EngRect>& rect) { return EngMath::pointInEngRect(x, y, *rect); }

double EngPoint::distanceTo(const Ref<EngPoint>& p) {
    double dx = x - p->x;
    double dy = y - p->y;
    Ref<EngPoint> keep(this);
    if (_weak) put();
    if (p->_weak) p->put();
    return std::sqrt(dy * dy + dx * dx);
}

EngPoint* EngPoint::floor() {
    set_x(runtime::Numbers::floatToInt(std::floor(x)));
    set_y(runtime::Numbers::floatToInt(std::floor(y)));
    return this;
}

EngPoint* EngPoint::ceil() {
    set_x(runtime::Numbers::floatToInt(std::ceil(x)));
    set_y(runtime::Numbers::floatToInt(std::ceil(y)));
    return this;
}

std::string EngPoint::toString() const {
    return EngStringUtil::getDebugString({LabelValuePair::weak("x", x), LabelValuePair::weak("y", y)});
}

}  // namespace engine

using engine::EngPoint;

RUNTIME_DEFINE_CLASS(EngPoint, "engine.util.EngPoint", runtime::Object, (auto& b) {
    b.template property<&EngPoint::get_x, &EngPoint::set_x>("x")
        .template property<&EngPoint::get_y, &EngPoint::set_y>("y")
        .template method<&EngPoint::put>("put")
        .template method<&EngPoint::destroy>("destroy")
        .emptyInstance();
})
