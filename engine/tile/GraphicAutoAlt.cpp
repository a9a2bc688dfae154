#include "GraphicAutoAlt.h"

#include "platform/runtime/Args.h"

using engine::GraphicAutoAlt;

RUNTIME_DEFINE_CLASS(GraphicAutoAlt, "engine.tile.GraphicAutoAlt", framework::BitmapData, (auto& b) {
    b.template staticField<&GraphicAutoAlt::resourceName>("resourceName")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<GraphicAutoAlt>(a.integer(0), a.integer(1), a.flag(2, true), a.integer(3, -1));
        });
})
