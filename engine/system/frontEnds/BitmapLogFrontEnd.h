#pragma once
// The bitmap-log front end of the debugger; empty in this build.
#include "platform/runtime/Object.h"

namespace engine {

class BitmapLogFrontEnd : public runtime::Object {};

}  // namespace engine
