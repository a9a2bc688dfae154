#pragma once
// The back easing curves; every read makes a new ease object.
#include "tween/easing/IEasing.h"

namespace tween {

class Back : public runtime::Object {
    RUNTIME_CLASS(Back)
public:
    // The overshoot every property passes.
    static constexpr double DEFAULT_OVERSHOOT = 1.70158;

    static runtime::Ref<IEasing> get_easeIn();
    static runtime::Ref<IEasing> get_easeOut();
    static runtime::Ref<IEasing> get_easeInOut();
};

}  // namespace tween
