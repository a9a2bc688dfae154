#pragma once
// The pixel format asked for a new texture; the 3D context accepts it and uploads RGBA whatever it is.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class Context3DTextureFormat { BGRA, COMPRESSED, COMPRESSED_ALPHA };

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::Context3DTextureFormat)
