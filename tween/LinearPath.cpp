#include "LinearPath.h"

namespace tween {

double LinearPath::calculate(double start, double k) { return start + (end - start) * k; }

RUNTIME_DEFINE_CLASS(LinearPath, "tween.LinearPath", BezierPath, (auto&) {})

}  // namespace tween
