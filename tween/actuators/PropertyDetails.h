#pragma once
// One animated property of a tween: where it is written, its start value and its change.
#include <string>

#include "platform/runtime/ClassBuilder.h"

namespace tween {

class PropertyDetails : public runtime::Object {
    RUNTIME_CLASS(PropertyDetails)
public:
    // isField: written as a plain data field of a record-like target; otherwise through the
    // target's member of that name, which is looked up here once.
    PropertyDetails(const runtime::Ref<runtime::Object>& target, const std::string& propertyName, double start,
                    double change, bool isField = true);
    explicit PropertyDetails(runtime::NoInit) {}

    runtime::Ref<runtime::Object> get_target() const { return target.lock(); }

    double change = 0;
    bool isField = true;
    std::string propertyName;
    double start = 0;
    // Weak: the actuator keeps its target alive while it runs.
    runtime::Weak<runtime::Object> target;
    // The target's member of that name (null for plain fields and undeclared names).
    const runtime::Member* member = nullptr;
};

}  // namespace tween
