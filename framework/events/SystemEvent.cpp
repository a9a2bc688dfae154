#include "SystemEvent.h"

#include "platform/runtime/Args.h"

namespace framework {

runtime::Ref<Event> SystemEvent::clone() { return runtime::make<SystemEvent>(type_, bubbles_, cancelable_, data); }

std::string SystemEvent::toString() const { return textForm("SystemEvent", " data=" + std::to_string(data)); }

}  // namespace framework

using framework::SystemEvent;

RUNTIME_DEFINE_CLASS(SystemEvent, "framework._native.events.SystemEvent", framework::Event, (auto& b) {
    b.template field<&SystemEvent::data>("data")
        .template staticField<&SystemEvent::SYSTEM>("SYSTEM")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<SystemEvent>(a.text(0), a.flag(1), a.flag(2), a.integer(3));
        });
})
