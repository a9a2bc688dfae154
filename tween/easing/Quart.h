#pragma once
// The quart easing curves; every read makes a new ease object.
#include "tween/easing/IEasing.h"

namespace tween {

class Quart : public runtime::Object {
    RUNTIME_CLASS(Quart)
public:
    static runtime::Ref<IEasing> get_easeIn();
    static runtime::Ref<IEasing> get_easeOut();
    static runtime::Ref<IEasing> get_easeInOut();
};

}  // namespace tween
