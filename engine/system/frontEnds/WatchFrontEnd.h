#pragma once
// The watch front end of the debugger; empty in this build.
#include "platform/runtime/Object.h"

namespace engine {

class WatchFrontEnd : public runtime::Object {};

}  // namespace engine
