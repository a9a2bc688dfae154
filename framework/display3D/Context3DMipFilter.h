#pragma once
// How a sampler minifies: from mip-maps (linear or nearest) or without them.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class Context3DMipFilter { MIPLINEAR, MIPNEAREST, MIPNONE };

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::Context3DMipFilter)
