#pragma once
// Window or full screen. Crosses to the back end as its index.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class StageDisplayState { NORMAL, FULL_SCREEN, FULL_SCREEN_INTERACTIVE };

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::StageDisplayState)
