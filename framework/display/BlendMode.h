#pragma once
// How a display object is composited; crosses to the back end as its index.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class BlendMode {
    NORMAL,
    LAYER,
    MULTIPLY,
    SCREEN,
    LIGHTEN,
    DARKEN,
    DIFFERENCE,
    ADD,
    SUBTRACT,
    INVERT,
    ALPHA,
    ERASE,
    OVERLAY,
    HARDLIGHT
};

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::BlendMode)
