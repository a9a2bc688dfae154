#include "ErrorEvent.h"

#include "platform/runtime/Args.h"

namespace framework {

ErrorEvent::ErrorEvent(const runtime::String& type, bool bubbles, bool cancelable, const runtime::String& text, int id)
    : TextEvent(type, bubbles, cancelable, text), errorID(id) {}

runtime::Ref<Event> ErrorEvent::clone() {
    return runtime::make<ErrorEvent>(type_, bubbles_, cancelable_, text, errorID);
}

std::string ErrorEvent::errorFields() const {
    return " text=" + text.toText() + " errorID=" + std::to_string(errorID);
}

std::string ErrorEvent::toString() const { return textForm("ErrorEvent", errorFields()); }

}  // namespace framework

using framework::ErrorEvent;

RUNTIME_DEFINE_CLASS(ErrorEvent, "framework.events.ErrorEvent", framework::TextEvent, (auto& b) {
    b.template field<&ErrorEvent::errorID>("errorID")
        .template staticField<&ErrorEvent::ERROR>("ERROR")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<ErrorEvent>(a.text(0), a.flag(1), a.flag(2), a.text(3), a.integer(4));
        });
})
