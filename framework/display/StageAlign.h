#pragma once
// Where the stage content sits in the window. Crosses to the back end as its index.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class StageAlign { TOP_RIGHT, TOP_LEFT, TOP, RIGHT, LEFT, BOTTOM_RIGHT, BOTTOM_LEFT, BOTTOM };

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::StageAlign)
