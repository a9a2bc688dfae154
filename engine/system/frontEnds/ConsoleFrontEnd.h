#pragma once
// The console front end of the debugger; empty in this build.
#include "platform/runtime/Object.h"

namespace engine {

class ConsoleFrontEnd : public runtime::Object {};

}  // namespace engine
