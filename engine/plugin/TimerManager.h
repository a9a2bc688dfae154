#pragma once
// The plugin that will step the engine's timers; so far it keeps none, so its step, draw and
// state-switch passes have nothing to do.
#include "engine/plugin/EngPlugin.h"

namespace engine {

class TimerManager : public EngPlugin {
    RUNTIME_CLASS(TimerManager)
public:
    TimerManager() { visible = false; }
    explicit TimerManager(runtime::NoInit n) : EngPlugin(n) {}

    // The manager its clients register with; set by the plugin front end.
    static inline runtime::Ref<TimerManager> manager;
};

}  // namespace engine
