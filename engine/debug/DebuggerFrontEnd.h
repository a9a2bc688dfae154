#pragma once
// The debugger front end; empty in this build apart from the precision of debug numbers.
#include "platform/runtime/Object.h"

namespace engine {

class DebuggerFrontEnd : public runtime::Object {
public:
    // Decimals of the numbers in debug texts.
    int precision = 3;
};

}  // namespace engine
