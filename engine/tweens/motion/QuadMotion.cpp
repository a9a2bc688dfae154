#include "QuadMotion.h"

namespace engine {

QuadMotion* QuadMotion::setMotion(double fromX, double fromY, double controlX, double controlY, double toX,
                                  double toY, double d, bool useDuration) {
    _distance = -1;
    _fromX = x = fromX;
    _fromY = y = fromY;
    _controlX = controlX;
    _controlY = controlY;
    _toX = toX;
    _toY = toY;
    duration = useDuration ? d : get_distance() / d;
    start();
    return this;
}

double QuadMotion::get_distance() {
    if (_distance >= 0) return _distance;
    return _distance = quadCurveLength(x, y, _controlX, _controlY, _toX, _toY);
}

void QuadMotion::update() {
    Motion::update();
    double s = scale, u = 1 - s;
    x = _fromX * u * u + 2 * _controlX * u * s + _toX * s * s;
    y = _fromY * u * u + 2 * _controlY * u * s + _toY * s * s;
    if (finished) postUpdate();
}

}  // namespace engine

using engine::QuadMotion;

RUNTIME_DEFINE_CLASS(QuadMotion, "engine.tweens.motion.QuadMotion", engine::Motion, (auto& b) {
    b.template property<&QuadMotion::get_distance>("distance").emptyInstance();
})
