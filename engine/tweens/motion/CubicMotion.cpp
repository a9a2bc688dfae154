#include "CubicMotion.h"

namespace engine {

CubicMotion* CubicMotion::setMotion(double fromX, double fromY, double aX, double aY, double bX, double bY,
                                    double toX, double toY, double d) {
    _fromX = x = fromX;
    _fromY = y = fromY;
    _aX = aX, _aY = aY, _bX = bX, _bY = bY, _toX = toX, _toY = toY;
    duration = d;
    start();
    return this;
}

void CubicMotion::update() {
    Motion::update();
    double s = scale, ss = s * s, sss = ss * s;
    x = _fromX + sss * (3 * (_aX - _bX) + _toX - _fromX) + 3 * ss * (_fromX - 2 * _aX + _bX) + 3 * s * (_aX - _fromX);
    y = _fromY + sss * (3 * (_aY - _bY) + _toY - _fromY) + 3 * ss * (_fromY - 2 * _aY + _bY) + 3 * s * (_aY - _fromY);
    if (finished) postUpdate();
}

}  // namespace engine

using engine::CubicMotion;

RUNTIME_DEFINE_CLASS(CubicMotion, "engine.tweens.motion.CubicMotion", engine::Motion, (auto& b) {
    b.template field<&CubicMotion::_ttt>("_ttt").template field<&CubicMotion::_tt>("_tt").emptyInstance();
})
