#include "ButtonAlignment.h"

RUNTIME_DEFINE_ENUM(engine::ButtonAlignment, "engine.system.debug.ButtonAlignment", "LEFT", "MIDDLE", "RIGHT")
