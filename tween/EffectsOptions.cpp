#include "EffectsOptions.h"

#include "platform/runtime/DynamicObject.h"
#include "tween/Tweener.h"
#include "tween/actuators/FilterActuator.h"

namespace tween {

using runtime::Ref;

EffectsOptions::EffectsOptions(const Ref<runtime::Object>& target, double duration, bool overwrite)
    : duration(duration), overwrite(overwrite), target(target.cast<framework::DisplayObject>()) {}

Ref<IGenericActuator> EffectsOptions::filter(const runtime::Value& reference, const Ref<runtime::Object>& properties) {
    Ref<runtime::Object> record = properties ? properties : Ref<runtime::Object>(runtime::make<runtime::DynamicObject>());
    record->setField("filter", reference);
    return Tweener::tween(target, duration, record, overwrite, &FilterActuator::create);
}

RUNTIME_DEFINE_CLASS(EffectsOptions, "tween.EffectsOptions", runtime::Object, (auto& b) {
    b.template field<&EffectsOptions::duration>("duration")
        .template field<&EffectsOptions::overwrite>("overwrite")
        .template field<&EffectsOptions::target>("target")
        .template method<&EffectsOptions::filter>("filter");
})

}  // namespace tween
