#pragma once
// A sampler's magnification filter, or an anisotropic filter of the given factor.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class Context3DTextureFilter { ANISOTROPIC2X, ANISOTROPIC4X, ANISOTROPIC8X, ANISOTROPIC16X, LINEAR, NEAREST };

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::Context3DTextureFilter)
