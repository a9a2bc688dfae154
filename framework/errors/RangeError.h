#pragma once
// Thrown for an index or value out of its range.
#include "Error.h"

namespace framework {

class RangeError : public Error {
    RUNTIME_CLASS(RangeError)
public:
    explicit RangeError(const runtime::String& message = "") : Error(message) { name = "RangeError"; }
    explicit RangeError(runtime::NoInit n) : Error(n) {}
};

}  // namespace framework
