#include "CapsStyle.h"

RUNTIME_DEFINE_ENUM(framework::CapsStyle, "framework._native.display.CapsStyle", "ROUND", "NONE", "SQUARE")
