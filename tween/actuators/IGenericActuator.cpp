#include "IGenericActuator.h"

namespace tween {

RUNTIME_DEFINE_CLASS(IGenericActuator, "tween.actuators.IGenericActuator", runtime::Object, (auto& b) {
    b.template method<&IGenericActuator::apply>("apply")
        .template method<&IGenericActuator::move>("move")
        .template method<&IGenericActuator::pause>("pause")
        .template method<&IGenericActuator::resume>("resume")
        .template method<&IGenericActuator::stop>("stop");
})

}  // namespace tween
