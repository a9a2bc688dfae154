#include "PropertyDetails.h"

namespace tween {

PropertyDetails::PropertyDetails(const runtime::Ref<runtime::Object>& target, const std::string& propertyName,
                                 double start, double change, bool isField)
    : change(change), start(start), object(target.get()), isField(isField), target(target.get()),
      propertyName(propertyName) {
    if (!isField && target)
        if (const runtime::ClassInfo* ci = target->classInfo()) member = ci->findMember(propertyName);
    if (member) setNumber = member->setNumber;
}

}  // namespace tween
