#pragma once
// The cubic easing curves; every read makes a new ease object.
#include "tween/easing/IEasing.h"

namespace tween {

class Cubic : public runtime::Object {
    RUNTIME_CLASS(Cubic)
public:
    static runtime::Ref<IEasing> get_easeIn();
    static runtime::Ref<IEasing> get_easeOut();
    static runtime::Ref<IEasing> get_easeInOut();
};

}  // namespace tween
