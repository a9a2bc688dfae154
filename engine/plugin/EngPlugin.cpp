#include "EngPlugin.h"

using engine::EngPlugin;

RUNTIME_DEFINE_CLASS(EngPlugin, "engine.plugin.EngPlugin", engine::EngBasic, (auto& b) {
    b.template method<&EngPlugin::onStateSwitch>("onStateSwitch").emptyInstance();
})
