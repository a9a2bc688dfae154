#pragma once
// Moves an object along a quadratic curve with one control point.
#include "engine/tweens/motion/Motion.h"

namespace engine {

class QuadMotion : public Motion {
    RUNTIME_CLASS(QuadMotion)
public:
    explicit QuadMotion(runtime::Ref<runtime::Object> options = nullptr) : Motion(std::move(options)) {}
    explicit QuadMotion(runtime::NoInit n) : Motion(n) {}

    virtual QuadMotion* setMotion(double fromX, double fromY, double controlX, double controlY, double toX,
                                  double toY, double duration, bool useDuration = true);
    // Length of the curve from the current position through the control point to the end.
    virtual double get_distance();
    void update() override;

    double _distance = -1;
    double _fromX = 0, _fromY = 0, _toX = 0, _toY = 0, _controlX = 0, _controlY = 0;
};

}  // namespace engine
