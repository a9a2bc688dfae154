#pragma once
// Moves an object along a straight segment.
#include "engine/tweens/motion/Motion.h"

namespace engine {

class LinearMotion : public Motion {
    RUNTIME_CLASS(LinearMotion)
public:
    explicit LinearMotion(runtime::Ref<runtime::Object> options = nullptr) : Motion(std::move(options)) {}
    explicit LinearMotion(runtime::NoInit n) : Motion(n) {}

    // duration is seconds with useDuration, else a speed in units per second.
    virtual LinearMotion* setMotion(double fromX, double fromY, double toX, double toY, double duration,
                                    bool useDuration = true);
    virtual double get_distance();
    void update() override;

    double _fromX = 0, _fromY = 0, _moveX = 0, _moveY = 0;
    double _distance = -1;
};

}  // namespace engine
