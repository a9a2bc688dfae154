#include "Tracker.h"

RUNTIME_DEFINE_CLASS(engine::Tracker, "engine.system.debug.Tracker", engine::Watch, (auto& b) { b.emptyInstance(); })
