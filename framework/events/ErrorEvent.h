#pragma once
// An event reporting a failure outside a call, with a text and an error number.
#include "TextEvent.h"

namespace framework {

class ErrorEvent : public TextEvent {
    RUNTIME_CLASS(ErrorEvent)
public:
    static inline runtime::String ERROR = "error";

    explicit ErrorEvent(const runtime::String& type, bool bubbles = false, bool cancelable = false,
                        const runtime::String& text = "", int id = 0);
    explicit ErrorEvent(runtime::NoInit n) : TextEvent(n) {}

    runtime::Ref<Event> clone() override;
    std::string toString() const override;

    int errorID = 0;

protected:
    // " text=… errorID=…"
    std::string errorFields() const;
};

}  // namespace framework
