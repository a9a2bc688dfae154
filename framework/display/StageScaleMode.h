#pragma once
// How the stage content scales with the window. Crosses to the back end as its index.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class StageScaleMode { SHOW_ALL, NO_SCALE, NO_BORDER, EXACT_FIT };

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::StageScaleMode)
