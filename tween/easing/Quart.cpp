#include "Quart.h"

#include "QuartEaseIn.h"
#include "QuartEaseOut.h"
#include "QuartEaseInOut.h"

namespace tween {

runtime::Ref<IEasing> Quart::get_easeIn() { return runtime::make<QuartEaseIn>(); }
runtime::Ref<IEasing> Quart::get_easeOut() { return runtime::make<QuartEaseOut>(); }
runtime::Ref<IEasing> Quart::get_easeInOut() { return runtime::make<QuartEaseInOut>(); }

RUNTIME_DEFINE_CLASS(Quart, "tween.easing.Quart", runtime::Object, (auto& b) {
    b.template staticMethod<&Quart::get_easeIn>("get_easeIn").template staticMethod<&Quart::get_easeOut>("get_easeOut").template staticMethod<&Quart::get_easeInOut>("get_easeInOut");
})

}  // namespace tween
