#include "IOErrorEvent.h"

#include "platform/runtime/Args.h"

namespace framework {

runtime::Ref<Event> IOErrorEvent::clone() {
    return runtime::make<IOErrorEvent>(type_, bubbles_, cancelable_, text, errorID);
}

std::string IOErrorEvent::toString() const { return textForm("IOErrorEvent", errorFields()); }

}  // namespace framework

using framework::IOErrorEvent;

RUNTIME_DEFINE_CLASS(IOErrorEvent, "framework.events.IOErrorEvent", framework::ErrorEvent, (auto& b) {
    b.template staticField<&IOErrorEvent::IO_ERROR>("IO_ERROR")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<IOErrorEvent>(a.text(0), a.flag(1, true), a.flag(2), a.text(3), a.integer(4));
        });
})
