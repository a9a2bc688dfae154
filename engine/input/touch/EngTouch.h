#pragma once
// The engine's touch point. This desktop build has no touch input: the type adds nothing to the
// point (destroyable through it) and nothing creates one.
#include "engine/util/EngPoint.h"

namespace engine {

class EngTouch : public EngPoint {
    RUNTIME_CLASS(EngTouch)
public:
    explicit EngTouch(double x = 0, double y = 0) : EngPoint(x, y) {}
    explicit EngTouch(runtime::NoInit n) : EngPoint(n) {}
};

}  // namespace engine
