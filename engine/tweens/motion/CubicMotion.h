#pragma once
// Moves an object along a cubic curve with two control points.
#include "engine/tweens/motion/Motion.h"

namespace engine {

class CubicMotion : public Motion {
    RUNTIME_CLASS(CubicMotion)
public:
    explicit CubicMotion(runtime::Ref<runtime::Object> options = nullptr) : Motion(std::move(options)) {}
    explicit CubicMotion(runtime::NoInit n) : Motion(n) {}

    virtual CubicMotion* setMotion(double fromX, double fromY, double aX, double aY, double bX, double bY, double toX,
                                   double toY, double duration);
    void update() override;

    double _fromX = 0, _fromY = 0, _toX = 0, _toY = 0, _aX = 0, _aY = 0, _bX = 0, _bY = 0;
    double _ttt = 0, _tt = 0;
};

}  // namespace engine
