#include "BlendMode.h"

RUNTIME_DEFINE_ENUM(framework::BlendMode, "framework._native.display.BlendMode", "NORMAL", "LAYER", "MULTIPLY", "SCREEN", "LIGHTEN", "DARKEN", "DIFFERENCE", "ADD", "SUBTRACT", "INVERT", "ALPHA", "ERASE", "OVERLAY", "HARDLIGHT")
