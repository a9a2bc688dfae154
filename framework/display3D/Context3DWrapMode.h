#pragma once
// How a sampled texture is addressed outside 0..1: clamped to the edge or repeated.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class Context3DWrapMode { CLAMP, REPEAT };

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::Context3DWrapMode)
