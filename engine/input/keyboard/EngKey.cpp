#include "EngKey.h"

using engine::EngKey;

RUNTIME_DEFINE_CLASS(EngKey, "engine.input.keyboard.EngKey", runtime::Object, (auto& b) {
    b.template field<&EngKey::name>("name")
        .template field<&EngKey::current>("current")
        .template field<&EngKey::last>("last")
        .emptyInstance();
})
