#include "StageDisplayState.h"

RUNTIME_DEFINE_ENUM(framework::StageDisplayState, "framework.display.StageDisplayState", "NORMAL", "FULL_SCREEN", "FULL_SCREEN_INTERACTIVE")
