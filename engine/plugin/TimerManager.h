#pragma once
// Steps the engine's running timers once per engine step; drops them all on a state switch.
#include <vector>

#include "engine/plugin/EngPlugin.h"

namespace engine {

class EngTimer;

class TimerManager : public EngPlugin {
    RUNTIME_CLASS(TimerManager)
public:
    TimerManager();
    explicit TimerManager(runtime::NoInit n);
    ~TimerManager() override;

    // The manager timers register with; set by the plugin front end.
    static runtime::Ref<TimerManager> manager;

    // Appends without checks (the timers keep their own listed flag).
    virtual void add(const runtime::Ref<EngTimer>& timer);
    // Moves the last timer into the freed place; nothing when the timer is not listed.
    virtual void remove(const runtime::Ref<EngTimer>& timer);
    // Drops every timer without telling it.
    virtual void clear();
    void destroy() override;
    void update() override;
    void onStateSwitch() override { clear(); }

    std::vector<runtime::Ref<EngTimer>> _timers;
};

}  // namespace engine
