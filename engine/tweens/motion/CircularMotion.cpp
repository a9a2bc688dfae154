#include "CircularMotion.h"

#include <cmath>
#include <numbers>

namespace engine {

namespace {
constexpr double PI = std::numbers::pi;
}

CircularMotion* CircularMotion::setMotion(double centerX, double centerY, double radius, double a, bool clockwise,
                                          double d, bool useDuration) {
    _centerX = centerX;
    _centerY = centerY;
    _radius = radius;
    angle = _angleStart = a * PI / -180;
    x = _centerX + std::cos(angle) * _radius;
    y = _centerY + std::sin(angle) * _radius;
    _angleFinish = clockwise ? 2 * PI : -2 * PI;
    duration = useDuration ? d : 2 * PI * radius / d;
    start();
    return this;
}

double CircularMotion::get_circumference() const { return 2 * PI * _radius; }

void CircularMotion::update() {
    Motion::update();
    angle = _angleStart + _angleFinish * scale;
    x = _centerX + std::cos(angle) * _radius;
    y = _centerY + std::sin(angle) * _radius;
    if (finished) postUpdate();
}

}  // namespace engine

using engine::CircularMotion;

RUNTIME_DEFINE_CLASS(CircularMotion, "engine.tweens.motion.CircularMotion", engine::Motion, (auto& b) {
    b.template property<&CircularMotion::get_circumference>("circumference").emptyInstance();
})
