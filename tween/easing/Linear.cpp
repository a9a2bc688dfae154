#include "Linear.h"

#include "LinearEaseNone.h"

namespace tween {

runtime::Ref<IEasing> Linear::get_easeNone() { return runtime::make<LinearEaseNone>(); }

RUNTIME_DEFINE_CLASS(Linear, "tween.easing.Linear", runtime::Object, (auto& b) {
    b.template staticMethod<&Linear::get_easeNone>("get_easeNone");
})

}  // namespace tween
