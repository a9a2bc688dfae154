#pragma once
// The linear easing curves; every read makes a new ease object.
#include "tween/easing/IEasing.h"

namespace tween {

class Linear : public runtime::Object {
    RUNTIME_CLASS(Linear)
public:
    static runtime::Ref<IEasing> get_easeNone();
};

}  // namespace tween
