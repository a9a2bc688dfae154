#include "LinearMotion.h"

#include <cmath>

namespace engine {

LinearMotion* LinearMotion::setMotion(double fromX, double fromY, double toX, double toY, double d, bool useDuration) {
    _distance = -1;
    _fromX = x = fromX;
    _fromY = y = fromY;
    _moveX = toX - fromX;
    _moveY = toY - fromY;
    duration = useDuration ? d : get_distance() / d;
    start();
    return this;
}

double LinearMotion::get_distance() {
    if (_distance >= 0) return _distance;
    return _distance = std::sqrt(_moveX * _moveX + _moveY * _moveY);
}

void LinearMotion::update() {
    Motion::update();
    x = _fromX + _moveX * scale;
    y = _fromY + _moveY * scale;
    if (x == _fromX + _moveX && y == _fromY + _moveY && active && _secondsSinceStart >= duration) finished = true;
    if (finished) postUpdate();
}

}  // namespace engine

using engine::LinearMotion;

RUNTIME_DEFINE_CLASS(LinearMotion, "engine.tweens.motion.LinearMotion", engine::Motion, (auto& b) {
    b.template property<&LinearMotion::get_distance>("distance").emptyInstance();
})
