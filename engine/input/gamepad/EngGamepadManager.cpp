#include "EngGamepadManager.h"

using engine::EngGamepadManager;

RUNTIME_DEFINE_CLASS(EngGamepadManager, "engine.input.gamepad.EngGamepadManager", runtime::Object,
                     (auto& b) { b.emptyInstance(); })
