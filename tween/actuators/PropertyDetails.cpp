#include "PropertyDetails.h"

namespace tween {

PropertyDetails::PropertyDetails(const runtime::Ref<runtime::Object>& target, const std::string& propertyName,
                                 double start, double change, bool isField)
    : change(change), isField(isField), propertyName(propertyName), start(start), target(target.get()) {
    if (!isField && target)
        if (const runtime::ClassInfo* ci = target->classInfo()) member = ci->findMember(propertyName);
}

RUNTIME_DEFINE_CLASS(PropertyDetails, "tween.actuators.PropertyDetails", runtime::Object, (auto& b) {
    b.template field<&PropertyDetails::change>("change")
        .template field<&PropertyDetails::isField>("isField")
        .template field<&PropertyDetails::propertyName>("propertyName")
        .template field<&PropertyDetails::start>("start")
        .template property<&PropertyDetails::get_target>("target");
})

}  // namespace tween
