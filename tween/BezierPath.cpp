#include "BezierPath.h"

namespace tween {

double BezierPath::calculate(double start, double k) {
    double j = 1 - k;
    return j * j * start + 2 * j * k * control + k * k * end;
}

RUNTIME_DEFINE_CLASS(BezierPath, "tween.BezierPath", runtime::Object, (auto& b) {
    b.template field<&BezierPath::control>("control")
        .template field<&BezierPath::end>("end")
        .template field<&BezierPath::strength>("strength")
        .template method<&BezierPath::calculate>("calculate");
})

}  // namespace tween
