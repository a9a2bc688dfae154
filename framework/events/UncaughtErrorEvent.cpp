#include "UncaughtErrorEvent.h"

#include "platform/runtime/Args.h"

namespace framework {

runtime::Ref<Event> UncaughtErrorEvent::clone() {
    return runtime::make<UncaughtErrorEvent>(type_, bubbles_, cancelable_, error);
}

std::string UncaughtErrorEvent::toString() const { return textForm("UncaughtErrorEvent"); }

}  // namespace framework

using framework::UncaughtErrorEvent;

RUNTIME_DEFINE_CLASS(UncaughtErrorEvent, "framework.events.UncaughtErrorEvent", framework::ErrorEvent, (auto& b) {
    b.template field<&UncaughtErrorEvent::error>("error")
        .template staticField<&UncaughtErrorEvent::UNCAUGHT_ERROR>("UNCAUGHT_ERROR")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<UncaughtErrorEvent>(a.text(0), a.flag(1, true), a.flag(2, true), a[3]);
        });
})
