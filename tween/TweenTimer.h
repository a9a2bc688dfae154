#pragma once
// The target and the properties record of a tween timer (Tweener::timer): its one field,
// progress, is tweened from 0 to 1.
#include "platform/runtime/ClassBuilder.h"

namespace tween {

class TweenTimer : public runtime::Object {
    RUNTIME_CLASS(TweenTimer)
public:
    explicit TweenTimer(double progress) : progress(progress) {}
    explicit TweenTimer(runtime::NoInit) {}

    double progress = 0;
};

}  // namespace tween
