#pragma once
// How lines end; crosses to the back end as its index.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class CapsStyle {
    ROUND,
    NONE,
    SQUARE
};

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::CapsStyle)
