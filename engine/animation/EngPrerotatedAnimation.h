#pragma once
// The animation of a sprite whose rotations were baked into frames: the angle picks the frame.
#include "engine/animation/EngBaseAnimation.h"

namespace engine {

class EngPrerotatedAnimation : public EngBaseAnimation {
public:
    static inline const char* PREROTATED = "prerotated_animation";

    EngPrerotatedAnimation(EngAnimationController* parent, double baked);

    // Pushed to the controller whether or not this is its current animation.
    int set_curIndex(int value) override;
    runtime::Ref<EngBaseAnimation> clone(EngAnimationController* parent) override;
    virtual double set_angle(double value);

    int rotations = 0;
    double baked = 0;
    double angle = 0;
};

}  // namespace engine
