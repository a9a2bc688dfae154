#pragma once
// Thrown for a bad argument, such as an index that names no child.
#include "Error.h"

namespace framework {

class ArgumentError : public Error {
    RUNTIME_CLASS(ArgumentError)
public:
    explicit ArgumentError(const runtime::String& message = "") : Error(message) { name = "ArgumentError"; }
    explicit ArgumentError(runtime::NoInit n) : Error(n) {}
};

}  // namespace framework
