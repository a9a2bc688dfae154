#include "Watch.h"

RUNTIME_DEFINE_CLASS(engine::Watch, "engine.system.debug.Watch", engine::Window, (auto& b) { b.emptyInstance(); })
