#include "EngMouse.h"

using engine::EngMouse;

RUNTIME_DEFINE_CLASS(EngMouse, "engine.input.mouse.EngMouse", runtime::Object, (auto& b) { b.emptyInstance(); })
