#include "EngSpriteGroup.h"

#include "platform/runtime/Args.h"

using engine::EngSpriteGroup;

RUNTIME_DEFINE_CLASS(EngSpriteGroup, "engine.group.EngSpriteGroup", engine::EngTypedSpriteGroup, (auto& b) {
    b.emptyInstance().constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
        runtime::Args a(v, n);
        return runtime::make<EngSpriteGroup>(a.number(0), a.number(1), a.integer(2));
    });
})
