#pragma once
// Glyph grid fitting; kept on the text field only.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class GridFitType { NONE, PIXEL, SUBPIXEL };

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::GridFitType)
