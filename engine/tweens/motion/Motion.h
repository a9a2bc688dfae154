#pragma once
// Base of the tweens that move an engine object along a curve: holds the position and places
// the object there.
#include "engine/EngObject.h"
#include "engine/tweens/EngTween.h"

namespace engine {


class Motion : public EngTween {
    RUNTIME_CLASS(Motion)
public:
    explicit Motion(runtime::Ref<runtime::Object> options = nullptr) : EngTween(std::move(options)) {}
    explicit Motion(runtime::NoInit n) : EngTween(n) {}

    // The object moved; it becomes immovable for collisions for good.
    virtual Motion* setObject(runtime::Ref<EngObject> object);
    // Places the object at (x, y).
    virtual void postUpdate();
    void update() override;
    void destroy() override;

    double x = 0;
    double y = 0;
    runtime::Ref<EngObject> _object;

    // Arc length of the quadratic curve from p0 bending toward p1 and ending at p2; NaN when
    // the closed form has no value (control point on the line through the ends).
    static double quadCurveLength(double p0x, double p0y, double p1x, double p1y, double p2x, double p2y);
};

}  // namespace engine
