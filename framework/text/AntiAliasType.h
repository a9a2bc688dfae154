#pragma once
// Glyph anti-aliasing; kept on the text field only.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class AntiAliasType { ADVANCED, NORMAL };

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::AntiAliasType)
