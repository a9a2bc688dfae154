#include "TimerManager.h"

using engine::TimerManager;

RUNTIME_DEFINE_CLASS(TimerManager, "engine.plugin.TimerManager", engine::EngPlugin, (auto& b) { b.emptyInstance(); })
