#include "DebuggerLayout.h"

RUNTIME_DEFINE_ENUM(engine::DebuggerLayout, "engine.system.debug.DebuggerLayout", "STANDARD", "MICRO", "BIG", "TOP",
                    "LEFT", "RIGHT")
