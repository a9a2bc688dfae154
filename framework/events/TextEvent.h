#pragma once
// An event carrying a text: text input and links; the base of the error events.
#include "Event.h"

namespace framework {

class TextEvent : public Event {
    RUNTIME_CLASS(TextEvent)
public:
    static inline runtime::String LINK = "link";
    static inline runtime::String TEXT_INPUT = "textInput";

    // A null text becomes the empty text.
    explicit TextEvent(const runtime::String& type, bool bubbles = false, bool cancelable = false,
                       const runtime::String& text = "");
    explicit TextEvent(runtime::NoInit n) : Event(n) {}

    runtime::Ref<Event> clone() override;
    std::string toString() const override;

    runtime::String text;
};

}  // namespace framework
