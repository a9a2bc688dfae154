#include "PathManager.h"

#include "engine/util/EngArrayUtil.h"
#include "engine/util/EngPath.h"

namespace engine {

using runtime::Ref;

PathManager::PathManager() = default;
PathManager::PathManager(runtime::NoInit n) : EngPlugin(n) {}
PathManager::~PathManager() = default;

void PathManager::add(const Ref<EngPath>& path) { _paths.push_back(path); }

void PathManager::remove(const Ref<EngPath>& path) { EngArrayUtil::fastSplice(_paths, path); }

void PathManager::clear() { EngArrayUtil::clearArray(_paths); }

void PathManager::destroy() {
    clear();
    EngBasic::destroy();
}

void PathManager::update() {
    for (std::size_t i = 0; i < _paths.size(); ++i) {
        Ref<EngPath> path = _paths[i];
        if (path->active) path->update();
    }
}

}  // namespace engine

using engine::PathManager;

RUNTIME_DEFINE_CLASS(PathManager, "engine.plugin.PathManager", engine::EngPlugin, (auto& b) { b.emptyInstance(); })
