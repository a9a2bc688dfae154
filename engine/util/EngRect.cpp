#include "EngRect.h"

#include <algorithm>

#include "EngMath.h"
#include "EngPoint.h"
#include "EngStringUtil.h"
#include "LabelValuePair.h"
#include "framework/geom/Rectangle.h"

namespace engine {

using runtime::Ref;

const Ref<EngPool<EngRect>>& EngRect::_pool() {
    static const Ref<EngPool<EngRect>> pool = runtime::make<EngPool<EngRect>>();
    return pool;
}

Ref<EngRect> EngRect::get(double x, double y, double width, double height) {
    Ref<EngRect> r = _pool()->get();
    r->x = x;
    r->y = y;
    r->width = width;
    r->height = height;
    r->_inPool = false;
    return r;
}

void EngRect::put() {
    if (_inPool) return;
    _inPool = true;
    _pool()->putUnsafe(Ref<EngRect>(this));
}

EngRect* EngRect::setSize(double w, double h) {
    width = w;
    height = h;
    return this;
}

EngRect* EngRect::set(double nx, double ny, double w, double h) {
    x = nx;
    y = ny;
    width = w;
    height = h;
    return this;
}

EngRect* EngRect::copyFrom(const Ref<EngRect>& r) { return set(r->x, r->y, r->width, r->height); }

Ref<EngRect> EngRect::copyTo(const Ref<EngRect>& r) {
    r->set(x, y, width, height);
    return r;
}

EngRect* EngRect::copyFromFlash(const Ref<framework::Rectangle>& r) { return set(r->x, r->y, r->width, r->height); }

Ref<framework::Rectangle> EngRect::copyToFlash(const Ref<framework::Rectangle>& r) {
    r->x = x;
    r->y = y;
    r->width = width;
    r->height = height;
    return r;
}

bool EngRect::overlaps(const Ref<EngRect>& r) {
    return r->x + r->width > x && x + width > r->x && r->y + r->height > y && y + height > r->y;
}

bool EngRect::containsEngPoint(const Ref<EngPoint>& p) { return EngMath::pointInEngRect(p->x, p->y, *this); }

EngRect* EngRect::union_(const Ref<EngRect>& r) {
    double minX = std::min(x, r->x), minY = std::min(y, r->y);
    double maxX = std::max(get_right(), r->get_right()), maxY = std::max(get_bottom(), r->get_bottom());
    return set(minX, minY, maxX - minX, maxY - minY);
}

double EngRect::set_left(double v) {
    width -= v - x;
    x = v;
    return v;
}

double EngRect::set_right(double v) {
    width = v - x;
    return v;
}

double EngRect::set_top(double v) {
    height -= v - y;
    y = v;
    return v;
}

double EngRect::set_bottom(double v) {
    height = v - y;
    return v;
}

std::string EngRect::toString() const {
    return EngStringUtil::getDebugString({LabelValuePair::weak("x", x), LabelValuePair::weak("y", y),
                                          LabelValuePair::weak("w", width), LabelValuePair::weak("h", height)});
}

}  // namespace engine

using engine::EngRect;

RUNTIME_DEFINE_CLASS(EngRect, "engine.util.EngRect", runtime::Object, (auto& b) {
    b.template field<&EngRect::x>("x")
        .template field<&EngRect::y>("y")
        .template field<&EngRect::width>("width")
        .template field<&EngRect::height>("height")
        .template property<&EngRect::get_left, &EngRect::set_left>("left")
        .template property<&EngRect::get_right, &EngRect::set_right>("right")
        .template property<&EngRect::get_top, &EngRect::set_top>("top")
        .template property<&EngRect::get_bottom, &EngRect::set_bottom>("bottom")
        .emptyInstance();
})
