#include "HTTPStatusEvent.h"

#include "platform/runtime/Array.h"
#include "platform/runtime/Args.h"

namespace framework {

runtime::Ref<Event> HTTPStatusEvent::clone() {
    return runtime::make<HTTPStatusEvent>(type_, bubbles_, cancelable_, status);
}

runtime::Ref<runtime::Array> HTTPStatusEvent::headerList() {
    auto list = runtime::make<runtime::Array>();
    for (const auto& h : responseHeaders) list->push(runtime::Value(h));
    return list;
}

std::string HTTPStatusEvent::toString() const {
    return textForm("HTTPStatusEvent", " status=" + std::to_string(status));
}

}  // namespace framework

using framework::HTTPStatusEvent;

RUNTIME_DEFINE_CLASS(HTTPStatusEvent, "framework.events.HTTPStatusEvent", framework::Event, (auto& b) {
    b.template staticField<&HTTPStatusEvent::HTTP_STATUS>("HTTP_STATUS")
        .template field<&HTTPStatusEvent::status>("status")
        .template property<&HTTPStatusEvent::headerList>("responseHeaders")
        .template field<&HTTPStatusEvent::responseURL>("responseURL")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<HTTPStatusEvent>(a.text(0), a.flag(1), a.flag(2), a.integer(3));
        });
})
