#pragma once
// A path for x and y built from line and bezier segments (absolute end points; strength sets a
// segment's share of the tween's time). Tween it with
// Tweener::motionPath(target, duration, {"x": path.get_x(), "y": path.get_y(), "rotation": path.get_rotation()}).
#include "ComponentPath.h"
#include "RotationPath.h"

namespace tween {

class MotionPath : public runtime::Object {
    RUNTIME_CLASS(MotionPath)
public:
    MotionPath();
    explicit MotionPath(runtime::NoInit) {}

    // A quadratic curve to (x, y) pulled towards (controlX, controlY).
    virtual runtime::Ref<MotionPath> bezier(double x, double y, double controlX, double controlY, double strength = 1);
    // A straight segment to (x, y).
    virtual runtime::Ref<MotionPath> line(double x, double y, double strength = 1);
    // The heading along this path; made at the first read, and shares the two chains.
    virtual runtime::Ref<RotationPath> get_rotation();
    virtual runtime::Ref<IComponentPath> get_x();
    virtual runtime::Ref<IComponentPath> get_y();

    runtime::Ref<RotationPath> _rotation;
    runtime::Ref<ComponentPath> _x;
    runtime::Ref<ComponentPath> _y;
};

}  // namespace tween
