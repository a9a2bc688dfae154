#pragma once
// How line segments meet; crosses to the back end as its index.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class JointStyle {
    ROUND,
    MITER,
    BEVEL
};

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::JointStyle)
