#pragma once
// A font's style; device fonts are reported with its index.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class FontStyle { BOLD, BOLD_ITALIC, ITALIC, REGULAR };

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::FontStyle)
