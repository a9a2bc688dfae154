#include "TextEvent.h"

#include "platform/runtime/Args.h"

namespace framework {

TextEvent::TextEvent(const runtime::String& type, bool bubbles, bool cancelable, const runtime::String& text)
    : Event(type, bubbles, cancelable), text(text.isNull() ? runtime::String("") : text) {}

runtime::Ref<Event> TextEvent::clone() { return runtime::make<TextEvent>(type_, bubbles_, cancelable_, text); }

std::string TextEvent::toString() const { return textForm("TextEvent", " text=" + text.toText()); }

}  // namespace framework

using framework::TextEvent;

RUNTIME_DEFINE_CLASS(TextEvent, "framework.events.TextEvent", framework::Event, (auto& b) {
    b.template field<&TextEvent::text>("text")
        .template staticField<&TextEvent::LINK>("LINK")
        .template staticField<&TextEvent::TEXT_INPUT>("TEXT_INPUT")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<TextEvent>(a.text(0), a.flag(1), a.flag(2), a.text(3));
        });
})
