#pragma once
// Rendering quality. Crosses to the back end as its index.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class StageQuality { LOW, MEDIUM, HIGH, BEST };

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::StageQuality)
