#pragma once
// The engine's pooled point: take one with get (or weak), give it back with put.
#include "engine/interfaces/IEngPooled.h"
#include "engine/util/EngPool.h"
#include "platform/runtime/ClassBuilder.h"

namespace framework {
class Point;
}

namespace engine {

class EngRect;

class EngPoint : public runtime::Object, public IEngPooled {
    RUNTIME_CLASS(EngPoint)
public:
    explicit EngPoint(double x = 0, double y = 0);
    explicit EngPoint(runtime::NoInit) {}

    // The pool of points.
    static const runtime::Ref<EngPool<EngPoint>>& _pool();
    // A point from the pool, set to (x, y).
    static runtime::Ref<EngPoint> get(double x = 0, double y = 0);
    // A point from the pool marked weak: operations that consume a point argument give it back.
    static runtime::Ref<EngPoint> weak(double x = 0, double y = 0);

    void put() override;
    virtual void putWeak();
    virtual EngPoint* set(double x = 0, double y = 0);
    virtual EngPoint* add(double dx = 0, double dy = 0);
    virtual EngPoint* addPoint(const runtime::Ref<EngPoint>& point);
    virtual EngPoint* subtract(double dx = 0, double dy = 0);
    virtual EngPoint* subtractPoint(const runtime::Ref<EngPoint>& point);
    virtual EngPoint* copyFrom(const runtime::Ref<EngPoint>& point);
    virtual runtime::Ref<EngPoint> copyTo(runtime::Ref<EngPoint> point = nullptr);
    virtual EngPoint* copyFromFlash(const runtime::Ref<framework::Point>& point);
    virtual runtime::Ref<framework::Point> copyToFlash(const runtime::Ref<framework::Point>& point);
    virtual bool inCoords(double rectX, double rectY, double rectWidth, double rectHeight);
    virtual bool inEngRect(const runtime::Ref<EngRect>& rect);
    virtual double distanceTo(const runtime::Ref<EngPoint>& point);
    virtual EngPoint* floor();
    virtual EngPoint* ceil();
    void destroy() override {}
    virtual double set_x(double v) { return x = v; }
    virtual double set_y(double v) { return y = v; }
    double get_x() const { return x; }
    double get_y() const { return y; }

    std::string toString() const override;

    double x = 0;
    double y = 0;
    bool _weak = false;
};

}  // namespace engine
