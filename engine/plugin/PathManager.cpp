#include "PathManager.h"

using engine::PathManager;

RUNTIME_DEFINE_CLASS(PathManager, "engine.plugin.PathManager", engine::EngPlugin, (auto& b) { b.emptyInstance(); })
