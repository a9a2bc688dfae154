#include "MotionPath.h"

#include "LinearPath.h"

namespace tween {

using runtime::Ref;

MotionPath::MotionPath() : _x(runtime::make<ComponentPath>()), _y(runtime::make<ComponentPath>()) {}

Ref<MotionPath> MotionPath::bezier(double x, double y, double controlX, double controlY, double strength) {
    _x->addPath(runtime::make<BezierPath>(x, controlX, strength));
    _y->addPath(runtime::make<BezierPath>(y, controlY, strength));
    return Ref<MotionPath>(this);
}

Ref<MotionPath> MotionPath::line(double x, double y, double strength) {
    _x->addPath(runtime::make<LinearPath>(x, strength));
    _y->addPath(runtime::make<LinearPath>(y, strength));
    return Ref<MotionPath>(this);
}

Ref<RotationPath> MotionPath::get_rotation() {
    if (!_rotation) _rotation = runtime::make<RotationPath>(_x, _y);
    return _rotation;
}

Ref<IComponentPath> MotionPath::get_x() { return _x; }

Ref<IComponentPath> MotionPath::get_y() { return _y; }

RUNTIME_DEFINE_CLASS(MotionPath, "tween.MotionPath", runtime::Object, (auto& b) {
    b.template property<&MotionPath::get_rotation>("rotation")
        .template property<&MotionPath::get_x>("x")
        .template property<&MotionPath::get_y>("y")
        .template field<&MotionPath::_rotation>("_rotation")
        .template field<&MotionPath::_x>("_x")
        .template field<&MotionPath::_y>("_y")
        .template method<&MotionPath::bezier>("bezier")
        .template method<&MotionPath::line>("line");
})

}  // namespace tween
