#pragma once
// A native window-system message, with its value.
#include "Event.h"

namespace framework {

class SystemEvent : public Event {
    RUNTIME_CLASS(SystemEvent)
public:
    static inline runtime::String SYSTEM = "system";

    explicit SystemEvent(const runtime::String& type, bool bubbles = false, bool cancelable = false, int data = 0)
        : Event(type, bubbles, cancelable), data(data) {}
    explicit SystemEvent(runtime::NoInit n) : Event(n) {}

    runtime::Ref<Event> clone() override;
    std::string toString() const override;

    int data = 0;
};

}  // namespace framework
