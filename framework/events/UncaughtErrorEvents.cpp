#include "UncaughtErrorEvents.h"

using framework::UncaughtErrorEvents;

RUNTIME_DEFINE_CLASS(UncaughtErrorEvents, "framework.events.UncaughtErrorEvents", framework::EventDispatcher, (auto& b) {
    b.emptyInstance().constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
        return runtime::make<UncaughtErrorEvents>(n > 0 ? v[0].object() : nullptr);
    });
})
