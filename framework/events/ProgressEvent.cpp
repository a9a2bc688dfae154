#include "ProgressEvent.h"

#include "platform/runtime/Args.h"
#include "platform/runtime/Numbers.h"

namespace framework {

runtime::Ref<Event> ProgressEvent::clone() {
    return runtime::make<ProgressEvent>(type_, bubbles_, cancelable_, bytesLoaded, bytesTotal);
}

std::string ProgressEvent::toString() const {
    using runtime::Numbers;
    return textForm("ProgressEvent",
                    " bytesLoaded=" + Numbers::toText(bytesLoaded) + " bytesTotal=" + Numbers::toText(bytesTotal));
}

}  // namespace framework

using framework::ProgressEvent;

RUNTIME_DEFINE_CLASS(ProgressEvent, "framework.events.ProgressEvent", framework::Event, (auto& b) {
    b.template field<&ProgressEvent::bytesLoaded>("bytesLoaded")
        .template field<&ProgressEvent::bytesTotal>("bytesTotal")
        .template staticField<&ProgressEvent::PROGRESS>("PROGRESS")
        .template staticField<&ProgressEvent::SOCKET_DATA>("SOCKET_DATA")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<ProgressEvent>(a.text(0), a.flag(1), a.flag(2), a.number(3), a.number(4));
        });
})
