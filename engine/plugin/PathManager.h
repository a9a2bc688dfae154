#pragma once
// The plugin that will step the engine's path followers; path following is not built yet, so it
// keeps none and its step, draw and state-switch passes have nothing to do.
#include "engine/plugin/EngPlugin.h"

namespace engine {

class PathManager : public EngPlugin {
    RUNTIME_CLASS(PathManager)
public:
    PathManager() = default;
    explicit PathManager(runtime::NoInit n) : EngPlugin(n) {}

    // The manager its clients register with; set by the plugin front end.
    static inline runtime::Ref<PathManager> manager;
};

}  // namespace engine
