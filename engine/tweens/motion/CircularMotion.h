#pragma once
// Moves an object once round a circle.
#include "engine/tweens/motion/Motion.h"

namespace engine {

class CircularMotion : public Motion {
    RUNTIME_CLASS(CircularMotion)
public:
    explicit CircularMotion(runtime::Ref<runtime::Object> options = nullptr) : Motion(std::move(options)) {}
    explicit CircularMotion(runtime::NoInit n) : Motion(n) {}

    // angle in degrees, counter-clockwise on screen from the right of the centre.
    virtual CircularMotion* setMotion(double centerX, double centerY, double radius, double angle, bool clockwise,
                                      double duration, bool useDuration = true);
    virtual double get_circumference() const;
    void update() override;

    double angle = 0;
    double _centerX = 0, _centerY = 0, _radius = 0, _angleStart = 0, _angleFinish = 0;
};

}  // namespace engine
