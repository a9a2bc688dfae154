#include "Context3DTextureFormat.h"

RUNTIME_DEFINE_ENUM(framework::Context3DTextureFormat, "framework._native.display3D.Context3DTextureFormat",
                    "BGRA", "COMPRESSED", "COMPRESSED_ALPHA")
