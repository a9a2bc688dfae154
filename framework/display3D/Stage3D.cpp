#include "Stage3D.h"

using framework::Stage3D;

RUNTIME_DEFINE_CLASS(Stage3D, "framework._native.display.Stage3D", framework::EventDispatcher, (auto& b) {
    b.template field<&Stage3D::context3D>("context3D")
        .emptyInstance()
        .constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> {
            return runtime::make<Stage3D>();
        });
})
