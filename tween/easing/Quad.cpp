#include "Quad.h"

#include "QuadEaseIn.h"
#include "QuadEaseOut.h"
#include "QuadEaseInOut.h"

namespace tween {

runtime::Ref<IEasing> Quad::get_easeIn() { return runtime::make<QuadEaseIn>(); }
runtime::Ref<IEasing> Quad::get_easeOut() { return runtime::make<QuadEaseOut>(); }
runtime::Ref<IEasing> Quad::get_easeInOut() { return runtime::make<QuadEaseInOut>(); }

RUNTIME_DEFINE_CLASS(Quad, "tween.easing.Quad", runtime::Object, (auto& b) {
    b.template staticMethod<&Quad::get_easeIn>("get_easeIn").template staticMethod<&Quad::get_easeOut>("get_easeOut").template staticMethod<&Quad::get_easeInOut>("get_easeInOut");
})

}  // namespace tween
