#pragma once
// The log front end of the debugger; empty in this build.
#include "platform/runtime/Object.h"

namespace engine {

class LogFrontEnd : public runtime::Object {};

}  // namespace engine
