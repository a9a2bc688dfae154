#include "GradientType.h"

RUNTIME_DEFINE_ENUM(framework::GradientType, "framework._native.display.GradientType", "RADIAL", "LINEAR")
