#pragma once
// Whether a bitmap's node is snapped to whole pixels; the back end keeps it as its index.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class PixelSnapping {
    NEVER,
    AUTO,
    ALWAYS
};

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::PixelSnapping)
