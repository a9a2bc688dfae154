#include "Expo.h"

#include "ExpoEaseIn.h"
#include "ExpoEaseOut.h"
#include "ExpoEaseInOut.h"

namespace tween {

runtime::Ref<IEasing> Expo::get_easeIn() { return runtime::make<ExpoEaseIn>(); }
runtime::Ref<IEasing> Expo::get_easeOut() { return runtime::make<ExpoEaseOut>(); }
runtime::Ref<IEasing> Expo::get_easeInOut() { return runtime::make<ExpoEaseInOut>(); }

RUNTIME_DEFINE_CLASS(Expo, "tween.easing.Expo", runtime::Object, (auto& b) {
    b.template staticMethod<&Expo::get_easeIn>("get_easeIn").template staticMethod<&Expo::get_easeOut>("get_easeOut").template staticMethod<&Expo::get_easeInOut>("get_easeInOut");
})

}  // namespace tween
