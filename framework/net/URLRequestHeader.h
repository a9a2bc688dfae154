#pragma once
// One request or response header.
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class URLRequestHeader : public runtime::Object {
    RUNTIME_CLASS(URLRequestHeader)
public:
    // A null argument is stored as the empty text.
    explicit URLRequestHeader(const runtime::String& name = "", const runtime::String& value = "")
        : name(name.isNull() ? runtime::String("") : name), value(value.isNull() ? runtime::String("") : value) {}
    explicit URLRequestHeader(runtime::NoInit) {}

    runtime::String name;
    runtime::String value;
};

}  // namespace framework
