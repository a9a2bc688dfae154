#include "LineScaleMode.h"

RUNTIME_DEFINE_ENUM(framework::LineScaleMode, "framework._native.display.LineScaleMode", "NORMAL", "NONE", "VERTICAL", "HORIZONTAL", "OPENGL")
