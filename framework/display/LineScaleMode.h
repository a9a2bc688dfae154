#pragma once
// How a line's thickness follows the object's scale; crosses to the back end as its index.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class LineScaleMode {
    NORMAL,
    NONE,
    VERTICAL,
    HORIZONTAL,
    OPENGL
};

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::LineScaleMode)
