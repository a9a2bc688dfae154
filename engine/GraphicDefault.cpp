#include "GraphicDefault.h"

#include "platform/runtime/Args.h"

using engine::GraphicDefault;

RUNTIME_DEFINE_CLASS(GraphicDefault, "engine.GraphicDefault", framework::BitmapData, (auto& b) {
    b.emptyInstance().constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
        runtime::Args a(v, n);
        return runtime::make<GraphicDefault>(a.integer(0), a.integer(1), a.flag(2, true),
                                             a.integer(3, static_cast<int>(0xFFFFFFFF)));
    });
})
