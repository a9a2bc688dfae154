#include "IEasing.h"

namespace tween {

RUNTIME_DEFINE_CLASS(IEasing, "tween.easing.IEasing", runtime::Object, (auto& b) {
    b.template method<&IEasing::calculate>("calculate").template method<&IEasing::ease>("ease");
})

}  // namespace tween
