#include "TimerManager.h"

#include "engine/util/EngArrayUtil.h"
#include "engine/util/EngTimer.h"

namespace engine {

using runtime::Ref;

Ref<TimerManager> TimerManager::manager;

TimerManager::TimerManager() { visible = false; }
TimerManager::TimerManager(runtime::NoInit n) : EngPlugin(n) {}
TimerManager::~TimerManager() = default;

void TimerManager::add(const Ref<EngTimer>& timer) { _timers.push_back(timer); }

void TimerManager::remove(const Ref<EngTimer>& timer) { EngArrayUtil::fastSplice(_timers, timer); }

void TimerManager::clear() { EngArrayUtil::clearArray(_timers); }

void TimerManager::destroy() {
    clear();
    EngBasic::destroy();
}

void TimerManager::update() {
    // Over a copy: a timer that finishes leaves the list by a swap with the last one, which must
    // still be counted in this step.
    std::vector<Ref<EngTimer>> timers = _timers;
    for (const Ref<EngTimer>& timer : timers)
        if (timer->active && !timer->finished && timer->time > 0) timer->update();
}

}  // namespace engine

using engine::TimerManager;

RUNTIME_DEFINE_CLASS(TimerManager, "engine.plugin.TimerManager", engine::EngPlugin, (auto& b) { b.emptyInstance(); })
