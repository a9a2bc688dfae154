#include "StageScaleMode.h"

RUNTIME_DEFINE_ENUM(framework::StageScaleMode, "framework.display.StageScaleMode", "SHOW_ALL", "NO_SCALE", "NO_BORDER", "EXACT_FIT")
