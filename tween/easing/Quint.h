#pragma once
// The quint easing curves; every read makes a new ease object.
#include "tween/easing/IEasing.h"

namespace tween {

class Quint : public runtime::Object {
    RUNTIME_CLASS(Quint)
public:
    static runtime::Ref<IEasing> get_easeIn();
    static runtime::Ref<IEasing> get_easeOut();
    static runtime::Ref<IEasing> get_easeInOut();
};

}  // namespace tween
