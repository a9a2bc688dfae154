#pragma once
// The engine's pooled rectangle: take one with get, give it back with put.
#include "engine/interfaces/IEngPooled.h"
#include "engine/util/EngPool.h"
#include "platform/runtime/ClassBuilder.h"

namespace framework {
class Rectangle;
}

namespace engine {

class EngPoint;

class EngRect : public runtime::Object, public IEngPooled {
    RUNTIME_CLASS(EngRect)
public:
    explicit EngRect(double x = 0, double y = 0, double width = 0, double height = 0)
        : x(x), y(y), width(width), height(height) {}
    explicit EngRect(runtime::NoInit) {}

    static const runtime::Ref<EngPool<EngRect>>& _pool();
    static runtime::Ref<EngRect> get(double x = 0, double y = 0, double width = 0, double height = 0);

    void put() override;
    virtual EngRect* setSize(double width, double height);
    virtual EngRect* set(double x = 0, double y = 0, double width = 0, double height = 0);
    virtual EngRect* copyFrom(const runtime::Ref<EngRect>& rect);
    virtual runtime::Ref<EngRect> copyTo(const runtime::Ref<EngRect>& rect);
    virtual EngRect* copyFromFlash(const runtime::Ref<framework::Rectangle>& rect);
    virtual runtime::Ref<framework::Rectangle> copyToFlash(const runtime::Ref<framework::Rectangle>& rect);
    // Strict: rectangles that only share an edge do not overlap.
    virtual bool overlaps(const runtime::Ref<EngRect>& rect);
    // Inclusive on all four edges; a weak point is not given back.
    virtual bool containsEngPoint(const runtime::Ref<EngPoint>& point);
    virtual EngRect* union_(const runtime::Ref<EngRect>& rect);
    void destroy() override {}
    virtual double get_left() const { return x; }
    virtual double set_left(double v);
    virtual double get_right() const { return x + width; }
    virtual double set_right(double v);
    virtual double get_top() const { return y; }
    virtual double set_top(double v);
    virtual double get_bottom() const { return y + height; }
    virtual double set_bottom(double v);

    std::string toString() const override;

    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};

}  // namespace engine
