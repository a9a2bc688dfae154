#pragma once
// Where a font comes from: installed on the device, or read from a file or bytes.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class FontType { DEVICE, EMBEDDED, EMBEDDED_CFF };

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::FontType)
