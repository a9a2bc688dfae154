#pragma once
// The error object thrown on misuse: throw runtime::Thrown(runtime::Value(errorObject)).
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class Error : public runtime::Object {
    RUNTIME_CLASS(Error)
public:
    static inline runtime::String DEFAULT_TO_STRING = "Error";

    // A null message becomes the empty text.
    explicit Error(const runtime::String& message = "", int id = 0);
    explicit Error(runtime::NoInit) {}

    // The call stack of the exception being handled: "\nCalled from " + frame, per frame.
    virtual runtime::String getStackTrace();
    // The message, or "Error" when it is null.
    std::string toString() const override;

    int errorID = 0;
    runtime::String message;
    runtime::String name;
};

}  // namespace framework
