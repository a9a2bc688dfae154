#include "PixelSnapping.h"

RUNTIME_DEFINE_ENUM(framework::PixelSnapping, "framework._native.display.PixelSnapping", "NEVER", "AUTO", "ALWAYS")
