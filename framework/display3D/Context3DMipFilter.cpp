#include "Context3DMipFilter.h"

RUNTIME_DEFINE_ENUM(framework::Context3DMipFilter, "framework._native.display3D.Context3DMipFilter",
                    "MIPLINEAR", "MIPNEAREST", "MIPNONE")
