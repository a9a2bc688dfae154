#pragma once
// The shape of a gradient fill; crosses to the back end as its index.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class GradientType {
    RADIAL,
    LINEAR
};

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::GradientType)
