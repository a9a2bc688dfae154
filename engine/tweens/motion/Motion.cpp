#include "Motion.h"

#include <cmath>

#include "engine/EngObject.h"

namespace engine {

Motion* Motion::setObject(runtime::Ref<EngObject> object) {
    _object = std::move(object);
    _object->immovable = true;
    return this;
}

void Motion::postUpdate() {
    if (_object) {
        _object->set_x(x);
        _object->set_y(y);
    }
}

void Motion::update() {
    EngTween::update();
    postUpdate();
}

void Motion::destroy() {
    EngTween::destroy();
    _object = nullptr;
}

double Motion::quadCurveLength(double p0x, double p0y, double p1x, double p1y, double p2x, double p2y) {
    auto a = EngPoint::get(p0x - 2 * p1x + p2x, p0y - 2 * p1y + p2y);
    auto b = EngPoint::get(2 * p1x - 2 * p0x, 2 * p1y - 2 * p0y);
    double A = 4 * (a->x * a->x + a->y * a->y);
    double B = 4 * (a->x * b->x + a->y * b->y);
    double C = b->x * b->x + b->y * b->y;
    a->put();
    b->put();
    double Sabc = 2 * std::sqrt(A + B + C);
    double A2 = std::sqrt(A);
    double A32 = 2 * A * A2;
    double C2 = 2 * std::sqrt(C);
    double BA = B / A2;
    return (A32 * Sabc + A2 * B * (Sabc - C2) + (4 * C * A - B * B) * std::log((2 * A2 + BA + Sabc) / (BA + C2))) /
           (4 * A32);
}

}  // namespace engine

using engine::Motion;

RUNTIME_DEFINE_CLASS(Motion, "engine.tweens.motion.Motion", engine::EngTween, (auto& b) {
    b.template field<&Motion::x>("x").template field<&Motion::y>("y").emptyInstance();
})
