#include "PluginFrontEnd.h"

#include "engine/plugin/PathManager.h"
#include "engine/plugin/TimerManager.h"
#include "engine/plugin/TweenManager.h"
#include "engine/tweens/EngTween.h"
#include "engine/util/EngStringUtil.h"

namespace engine {

using runtime::Ref;

PluginFrontEnd::PluginFrontEnd() {
    PathManager::manager = runtime::make<PathManager>();
    add(PathManager::manager);
    TimerManager::manager = runtime::make<TimerManager>();
    add(TimerManager::manager);
    EngTween::manager = runtime::make<TweenManager>();
    add(EngTween::manager);
}

void PluginFrontEnd::addEntry(const Ref<EngPlugin>& plugin) {
    for (const auto& entry : list)
        if (EngStringUtil::sameClassName(entry.get(), plugin.get())) return;
    list.push_back(plugin);
}

Ref<EngPlugin> PluginFrontEnd::get(const runtime::ClassInfo* cls) {
    for (const auto& p : list)
        if (p->classInfo() && p->classInfo()->isSubclassOf(cls)) return p;
    return nullptr;
}

Ref<EngPlugin> PluginFrontEnd::remove(const Ref<EngPlugin>& plugin) {
    for (int i = static_cast<int>(list.size()) - 1; i >= 0; --i) {
        if (list[i] == plugin) {
            list.erase(list.begin() + i);
            break;
        }
    }
    return plugin;
}

bool PluginFrontEnd::removeType(const runtime::ClassInfo* cls) {
    bool removed = false;
    for (int i = static_cast<int>(list.size()) - 1; i >= 0; --i) {
        if (list[i]->classInfo() && list[i]->classInfo()->isSubclassOf(cls)) {
            list.erase(list.begin() + i);
            removed = true;
        }
    }
    return removed;
}

void PluginFrontEnd::update() {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (Ref<EngPlugin> p = list[i]; p->exists && p->active) p->update();
}

void PluginFrontEnd::draw() {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (Ref<EngPlugin> p = list[i]; p->exists && p->visible) p->draw();
}

void PluginFrontEnd::onStateSwitch() {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (Ref<EngPlugin> p = list[i]; p->exists) p->onStateSwitch();
}

void PluginFrontEnd::onResize(int width, int height) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (Ref<EngPlugin> p = list[i]; p->exists) p->onResize(width, height);
}

}  // namespace engine
