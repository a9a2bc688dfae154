#include "StageQuality.h"

RUNTIME_DEFINE_ENUM(framework::StageQuality, "framework.display.StageQuality", "LOW", "MEDIUM", "HIGH", "BEST")
