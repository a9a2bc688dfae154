#include "GraphicButton.h"

#include "platform/runtime/Args.h"

using engine::GraphicButton;

RUNTIME_DEFINE_CLASS(GraphicButton, "engine.ui.GraphicButton", framework::BitmapData, (auto& b) {
    b.template staticField<&GraphicButton::resourceName>("resourceName")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<GraphicButton>(a.integer(0), a.integer(1), a.flag(2, true), a.integer(3, -1));
        });
})
