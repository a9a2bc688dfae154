#include "Sine.h"

#include "SineEaseIn.h"
#include "SineEaseOut.h"
#include "SineEaseInOut.h"

namespace tween {

runtime::Ref<IEasing> Sine::get_easeIn() { return runtime::make<SineEaseIn>(); }
runtime::Ref<IEasing> Sine::get_easeOut() { return runtime::make<SineEaseOut>(); }
runtime::Ref<IEasing> Sine::get_easeInOut() { return runtime::make<SineEaseInOut>(); }

RUNTIME_DEFINE_CLASS(Sine, "tween.easing.Sine", runtime::Object, (auto& b) {
    b.template staticMethod<&Sine::get_easeIn>("get_easeIn").template staticMethod<&Sine::get_easeOut>("get_easeOut").template staticMethod<&Sine::get_easeInOut>("get_easeInOut");
})

}  // namespace tween
