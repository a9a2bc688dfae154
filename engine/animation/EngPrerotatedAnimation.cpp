#include "EngPrerotatedAnimation.h"

#include <cmath>

#include "engine/animation/EngAnimationController.h"

namespace engine {

EngPrerotatedAnimation::EngPrerotatedAnimation(EngAnimationController* parent_, double baked_)
    : EngBaseAnimation(parent_, PREROTATED), rotations(static_cast<int>(std::floor(360 / baked_ + 0.5))), baked(baked_) {}

int EngPrerotatedAnimation::set_curIndex(int value) {
    curIndex = value;
    if (parent) parent->set_frameIndex(value);
    return value;
}

double EngPrerotatedAnimation::set_angle(double value) {
    int old = curIndex;
    int a = static_cast<int>(std::floor(std::fmod(value, 360)));
    if (a < 0) a += 360;
    int index = static_cast<int>(std::floor(a / baked + 0.5)) % rotations;
    if (index != old) set_curIndex(index);
    angle = value;
    return value;
}

runtime::Ref<EngBaseAnimation> EngPrerotatedAnimation::clone(EngAnimationController* p) {
    return runtime::make<EngPrerotatedAnimation>(p, baked);
}

}  // namespace engine
