#include "AngleTween.h"

#include <cmath>

namespace engine {

AngleTween* AngleTween::tween(double fromAngle, double toAngle, double d, runtime::Ref<runtime::Object> target) {
    angle = _start = fromAngle;
    double delta = toAngle - fromAngle;
    double a = std::fabs(delta);
    if (std::isnan(delta)) {
        _range = 0;
    } else if (a > 181) {
        _range = (360 - a) * (delta > 0 ? -1 : 1);
    } else if (a < 179) {
        _range = delta;
    } else {
        // About opposite: either way is as long; go the way the difference points, so the
        // tween still ends on toAngle.
        _range = delta;
    }
    duration = d;
    sprite = std::move(target);
    start();
    return this;
}

void AngleTween::update() {
    EngTween::update();
    angle = std::fmod(_start + _range * scale, 360.0);
    if (angle < 0) angle += 360;
    if (sprite) sprite->setField("angle", runtime::Value(angle));
}

void AngleTween::destroy() {
    EngTween::destroy();
    sprite = nullptr;
}

}  // namespace engine

using engine::AngleTween;

RUNTIME_DEFINE_CLASS(AngleTween, "engine.tweens.misc.AngleTween", engine::EngTween, (auto& b) {
    b.template field<&AngleTween::angle>("angle").emptyInstance();
})
