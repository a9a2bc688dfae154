#include "Quint.h"

#include "QuintEaseIn.h"
#include "QuintEaseOut.h"
#include "QuintEaseInOut.h"

namespace tween {

runtime::Ref<IEasing> Quint::get_easeIn() { return runtime::make<QuintEaseIn>(); }
runtime::Ref<IEasing> Quint::get_easeOut() { return runtime::make<QuintEaseOut>(); }
runtime::Ref<IEasing> Quint::get_easeInOut() { return runtime::make<QuintEaseInOut>(); }

RUNTIME_DEFINE_CLASS(Quint, "tween.easing.Quint", runtime::Object, (auto& b) {
    b.template staticMethod<&Quint::get_easeIn>("get_easeIn").template staticMethod<&Quint::get_easeOut>("get_easeOut").template staticMethod<&Quint::get_easeInOut>("get_easeInOut");
})

}  // namespace tween
