#include "Cubic.h"

#include "CubicEaseIn.h"
#include "CubicEaseOut.h"
#include "CubicEaseInOut.h"

namespace tween {

runtime::Ref<IEasing> Cubic::get_easeIn() { return runtime::make<CubicEaseIn>(); }
runtime::Ref<IEasing> Cubic::get_easeOut() { return runtime::make<CubicEaseOut>(); }
runtime::Ref<IEasing> Cubic::get_easeInOut() { return runtime::make<CubicEaseInOut>(); }

RUNTIME_DEFINE_CLASS(Cubic, "tween.easing.Cubic", runtime::Object, (auto& b) {
    b.template staticMethod<&Cubic::get_easeIn>("get_easeIn").template staticMethod<&Cubic::get_easeOut>("get_easeOut").template staticMethod<&Cubic::get_easeInOut>("get_easeInOut");
})

}  // namespace tween
