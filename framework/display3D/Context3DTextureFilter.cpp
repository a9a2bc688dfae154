#include "Context3DTextureFilter.h"

RUNTIME_DEFINE_ENUM(framework::Context3DTextureFilter, "framework._native.display3D.Context3DTextureFilter",
                    "ANISOTROPIC2X", "ANISOTROPIC4X", "ANISOTROPIC8X", "ANISOTROPIC16X", "LINEAR", "NEAREST")
