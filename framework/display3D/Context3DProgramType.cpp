#include "Context3DProgramType.h"

RUNTIME_DEFINE_ENUM(framework::Context3DProgramType, "framework._native.display3D.Context3DProgramType",
                    "VERTEX", "FRAGMENT")
