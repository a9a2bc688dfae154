#include "InterpolationMethod.h"

RUNTIME_DEFINE_ENUM(framework::InterpolationMethod, "framework._native.display.InterpolationMethod", "RGB", "LINEAR_RGB")
