#pragma once
// Steps the engine's path followers once per engine step; drops them all on a state switch.
#include <vector>

#include "engine/plugin/EngPlugin.h"

namespace engine {

class EngPath;

class PathManager : public EngPlugin {
    RUNTIME_CLASS(PathManager)
public:
    PathManager();
    explicit PathManager(runtime::NoInit n);
    ~PathManager() override;

    // The manager its clients register with; set by the plugin front end.
    static inline runtime::Ref<PathManager> manager;

    // Appends without checks (the paths keep their own listed flag).
    virtual void add(const runtime::Ref<EngPath>& path);
    // Moves the last path into the freed place; nothing when the path is not listed.
    virtual void remove(const runtime::Ref<EngPath>& path);
    // Drops every path without telling it.
    virtual void clear();
    void destroy() override;
    void update() override;
    void onStateSwitch() override { clear(); }

    std::vector<runtime::Ref<EngPath>> _paths;
};

}  // namespace engine
