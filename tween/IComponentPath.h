#pragma once
// One property's value as a function of a tween's eased progress: start is the value at
// progress 0 (a motion path tween sets it to the target's current value), end the value at the
// end of the path.
#include "platform/runtime/ClassBuilder.h"

namespace tween {

class IComponentPath : public runtime::Object {
    RUNTIME_CLASS(IComponentPath)
public:
    virtual double calculate(double k) = 0;
    virtual double get_end() = 0;

    double start = 0;
};

}  // namespace tween
