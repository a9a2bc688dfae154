#include "GridFitType.h"

RUNTIME_DEFINE_ENUM(framework::GridFitType, "framework.text.GridFitType", "NONE", "PIXEL", "SUBPIXEL")
