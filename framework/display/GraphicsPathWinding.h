#pragma once
// The fill rule of a drawn path.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class GraphicsPathWinding {
    EVEN_ODD,
    NON_ZERO
};

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::GraphicsPathWinding)
