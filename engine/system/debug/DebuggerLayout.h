#pragma once
// The debugger's window arrangements.
#include "platform/runtime/EnumInfo.h"

namespace engine {

enum class DebuggerLayout { STANDARD, MICRO, BIG, TOP, LEFT, RIGHT };

}  // namespace engine

RUNTIME_DECLARE_ENUM(engine::DebuggerLayout)
