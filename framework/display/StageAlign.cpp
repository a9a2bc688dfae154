#include "StageAlign.h"

RUNTIME_DEFINE_ENUM(framework::StageAlign, "framework.display.StageAlign", "TOP_RIGHT", "TOP_LEFT", "TOP", "RIGHT", "LEFT", "BOTTOM_RIGHT", "BOTTOM_LEFT", "BOTTOM")
