#pragma once
// The layout of one vertex attribute: BYTES_4 is given to GL as four floats, like FLOAT_4.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class Context3DVertexBufferFormat { BYTES_4, FLOAT_1, FLOAT_2, FLOAT_3, FLOAT_4 };

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::Context3DVertexBufferFormat)
