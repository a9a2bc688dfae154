#include "TriangleCulling.h"

RUNTIME_DEFINE_ENUM(framework::TriangleCulling, "framework._native.display.TriangleCulling", "POSITIVE", "NONE", "NEGATIVE")
