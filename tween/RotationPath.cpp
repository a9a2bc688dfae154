#include "RotationPath.h"

#include <cmath>
#include <numbers>

namespace tween {

RotationPath::RotationPath(const runtime::Ref<ComponentPath>& x, const runtime::Ref<ComponentPath>& y) : _x(x), _y(y) {
    start = calculate(0);
}

double RotationPath::calculate(double k) {
    double dx = _x->calculate(k) - _x->calculate(k + step);
    double dy = _y->calculate(k) - _y->calculate(k + step);
    double a = std::atan2(dy, dx) * 180 / std::numbers::pi + offset;
    return std::fmod(a, 360.0);
}

double RotationPath::get_end() { return calculate(1); }

RUNTIME_DEFINE_CLASS(RotationPath, "tween.RotationPath", IComponentPath, (auto& b) {
    b.template field<&RotationPath::offset>("offset")
        .template field<&RotationPath::step>("step")
        .template field<&RotationPath::_x>("_x")
        .template field<&RotationPath::_y>("_y");
})

}  // namespace tween
