#include "ScreenMode.h"

using framework::ScreenMode;

RUNTIME_DEFINE_CLASS(ScreenMode, "framework._native.system.ScreenMode", runtime::Object, (auto& b) {
    b.template field<&ScreenMode::format>("format")
        .template field<&ScreenMode::width>("width")
        .template field<&ScreenMode::height>("height")
        .template field<&ScreenMode::refreshRate>("refreshRate")
        .emptyInstance()
        .constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> {
            return runtime::make<ScreenMode>();
        });
})
