#include "TransformOptions.h"

#include "platform/runtime/DynamicObject.h"
#include "tween/Tweener.h"
#include "tween/actuators/TransformActuator.h"

namespace tween {

using runtime::Ref;
using runtime::Value;

Ref<IGenericActuator> TransformOptions::color(int value, double strength, std::optional<double> alpha) {
    auto record = runtime::make<runtime::DynamicObject>();
    record->setField("colorValue", Value(value));
    record->setField("colorStrength", Value(strength));
    if (alpha) record->setField("colorAlpha", Value(*alpha));
    return Tweener::tween(target, duration, record, overwrite, &TransformActuator::create);
}

Ref<IGenericActuator> TransformOptions::sound(std::optional<double> volume, std::optional<double> pan) {
    auto record = runtime::make<runtime::DynamicObject>();
    if (volume) record->setField("soundVolume", Value(*volume));
    if (pan) record->setField("soundPan", Value(*pan));
    return Tweener::tween(target, duration, record, overwrite, &TransformActuator::create);
}

RUNTIME_DEFINE_CLASS(TransformOptions, "tween.TransformOptions", runtime::Object, (auto& b) {
    b.template field<&TransformOptions::duration>("duration")
        .template field<&TransformOptions::overwrite>("overwrite")
        .template field<&TransformOptions::target>("target")
        .template method<&TransformOptions::color>("color")
        .template method<&TransformOptions::sound>("sound");
})

}  // namespace tween
