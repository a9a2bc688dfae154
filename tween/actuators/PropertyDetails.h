#pragma once
// One animated property of a tween: where it is written, its start value and its change. A plain
// value kept inline in its actuator's list (no object of its own), so a running tween costs one
// actuator and one short list.
#include <string>

#include "platform/runtime/ClassBuilder.h"

namespace tween {

class PropertyDetails {
public:
    // isField: written as a plain data field of a record-like target; otherwise through the
    // target's member of that name, which is looked up here once.
    PropertyDetails(const runtime::Ref<runtime::Object>& target, const std::string& propertyName, double start,
                    double change, bool isField = true);

    runtime::Ref<runtime::Object> get_target() const { return target.lock(); }

    // The hot part, read by every frame's write.
    double change = 0;
    double start = 0;
    // The target as given; dereferenced only while the actuator holds it (see SimpleActuator).
    runtime::Object* object = nullptr;
    // The member's numeric setter (null for plain fields, undeclared names and non-numeric members).
    void (*setNumber)(runtime::Object*, double) = nullptr;

    bool isField = true;
    // The target's member of that name (null for plain fields and undeclared names).
    const runtime::Member* member = nullptr;
    // Weak: the actuator keeps its target alive while it runs.
    runtime::Weak<runtime::Object> target;
    std::string propertyName;
};

}  // namespace tween
