#pragma once
// Where the debugger puts a tool button on its bar.
#include "platform/runtime/EnumInfo.h"

namespace engine {

enum class ButtonAlignment { LEFT, MIDDLE, RIGHT };

}  // namespace engine

RUNTIME_DECLARE_ENUM(engine::ButtonAlignment)
