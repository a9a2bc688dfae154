#pragma once
// The engine's plugins, run every step and frame beside the current state and told about state
// switches and resizes. Starts with the path, timer and tween managers.
#include <vector>

#include "engine/plugin/EngPlugin.h"

namespace engine {

class PluginFrontEnd : public runtime::Object {
public:
    PluginFrontEnd();

    // Appends the plugin unless one of a class with the same simple name is listed; the argument
    // is returned either way.
    template <class T>
    runtime::Ref<T> add(const runtime::Ref<T>& plugin) {
        addEntry(plugin);
        return plugin;
    }
    // The first listed plugin that is an instance of the class (subclasses count).
    virtual runtime::Ref<EngPlugin> get(const runtime::ClassInfo* pluginClass);
    // Takes out the last entry that is the plugin itself; the plugin is not destroyed.
    virtual runtime::Ref<EngPlugin> remove(const runtime::Ref<EngPlugin>& plugin);
    // Takes out every instance of the class; true when one was.
    virtual bool removeType(const runtime::ClassInfo* pluginClass);
    virtual void update();
    virtual void draw();
    virtual void onStateSwitch();
    virtual void onResize(int width, int height);

    std::vector<runtime::Ref<EngPlugin>> list;

private:
    void addEntry(const runtime::Ref<EngPlugin>& plugin);
};

}  // namespace engine
