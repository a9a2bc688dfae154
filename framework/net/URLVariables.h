#pragma once
// Form variables: one dynamic field per variable, written as name=value pairs joined by "&".
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/DynamicObject.h"

namespace framework {

class URLVariables : public runtime::DynamicObject {
    RUNTIME_CLASS(URLVariables)
public:
    explicit URLVariables(const runtime::String& source = nullptr);
    explicit URLVariables(runtime::NoInit) {}

    // Replaces every variable with those of source ("a=1&b=2", ";" also separates).
    virtual void decode(const runtime::String& source);
    // The variables percent-encoded, in field order, joined by "&".
    std::string toString() const override;
    runtime::String text() const { return toString(); }
    // The names of the variables, in field order.
    std::vector<std::string> names() const;
};

}  // namespace framework
