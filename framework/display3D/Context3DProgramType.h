#pragma once
// The program stage a constant register belongs to: its uniform is "vc" or "fc" and the number.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class Context3DProgramType { VERTEX, FRAGMENT };

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::Context3DProgramType)
