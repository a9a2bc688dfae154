#include "GraphicAuto.h"

#include "platform/runtime/Args.h"

using engine::GraphicAuto;

RUNTIME_DEFINE_CLASS(GraphicAuto, "engine.tile.GraphicAuto", framework::BitmapData, (auto& b) {
    b.template staticField<&GraphicAuto::resourceName>("resourceName")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<GraphicAuto>(a.integer(0), a.integer(1), a.flag(2, true), a.integer(3, -1));
        });
})
