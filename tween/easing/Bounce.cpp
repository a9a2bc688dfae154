#include "Bounce.h"

#include "BounceEaseIn.h"
#include "BounceEaseOut.h"
#include "BounceEaseInOut.h"

namespace tween {

runtime::Ref<IEasing> Bounce::get_easeIn() { return runtime::make<BounceEaseIn>(); }
runtime::Ref<IEasing> Bounce::get_easeOut() { return runtime::make<BounceEaseOut>(); }
runtime::Ref<IEasing> Bounce::get_easeInOut() { return runtime::make<BounceEaseInOut>(); }

RUNTIME_DEFINE_CLASS(Bounce, "tween.easing.Bounce", runtime::Object, (auto& b) {
    b.template staticMethod<&Bounce::get_easeIn>("get_easeIn").template staticMethod<&Bounce::get_easeOut>("get_easeOut").template staticMethod<&Bounce::get_easeInOut>("get_easeInOut");
})

}  // namespace tween
