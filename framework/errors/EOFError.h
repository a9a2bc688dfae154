#pragma once
// Thrown when reading past the end of a byte array.
#include "Error.h"

namespace framework {

class EOFError : public Error {
    RUNTIME_CLASS(EOFError)
public:
    EOFError() : Error("End of file was encountered", 2030) { name = "EOFError"; }
    explicit EOFError(runtime::NoInit n) : Error(n) {}
};

}  // namespace framework
