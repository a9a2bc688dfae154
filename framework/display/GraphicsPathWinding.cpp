#include "GraphicsPathWinding.h"

RUNTIME_DEFINE_ENUM(framework::GraphicsPathWinding, "framework._native.display.GraphicsPathWinding", "EVEN_ODD", "NON_ZERO")
