#include "Context3DWrapMode.h"

RUNTIME_DEFINE_ENUM(framework::Context3DWrapMode, "framework._native.display3D.Context3DWrapMode", "CLAMP", "REPEAT")
