#pragma once
// What the debugger's tracker would show of a class: its variables, and extension classes.
#include <string>

#include "platform/runtime/Array.h"
#include "platform/runtime/ClassBuilder.h"

namespace engine {

class TrackerProfile : public runtime::Object {
    RUNTIME_CLASS(TrackerProfile)
public:
    TrackerProfile(const runtime::Value& objectClass, const runtime::Ref<runtime::Array>& variables,
                   const runtime::Ref<runtime::Array>& extensions)
        : objectClass(objectClass), variables(variables), extensions(extensions) {}
    explicit TrackerProfile(runtime::NoInit) {}

    // "(variables: ... | extensions: ...)"
    std::string toString() const override;

    runtime::Value objectClass;
    runtime::Ref<runtime::Array> variables;
    runtime::Ref<runtime::Array> extensions;
};

}  // namespace engine
