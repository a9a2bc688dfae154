#include "Back.h"

#include "BackEaseIn.h"
#include "BackEaseOut.h"
#include "BackEaseInOut.h"

namespace tween {

runtime::Ref<IEasing> Back::get_easeIn() { return runtime::make<BackEaseIn>(DEFAULT_OVERSHOOT); }
runtime::Ref<IEasing> Back::get_easeOut() { return runtime::make<BackEaseOut>(DEFAULT_OVERSHOOT); }
runtime::Ref<IEasing> Back::get_easeInOut() { return runtime::make<BackEaseInOut>(DEFAULT_OVERSHOOT); }

RUNTIME_DEFINE_CLASS(Back, "tween.easing.Back", runtime::Object, (auto& b) {
    b.template staticMethod<&Back::get_easeIn>("get_easeIn").template staticMethod<&Back::get_easeOut>("get_easeOut").template staticMethod<&Back::get_easeInOut>("get_easeInOut");
})

}  // namespace tween
