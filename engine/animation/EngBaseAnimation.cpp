#include "EngBaseAnimation.h"

#include "engine/animation/EngAnimationController.h"

namespace engine {

int EngBaseAnimation::set_curIndex(int value) {
    curIndex = value;
    if (parent && parent->_curAnim.get() == this) parent->set_frameIndex(value);
    return value;
}

}  // namespace engine
