#pragma once
// An input/output failure. Unlike its base it bubbles unless told otherwise.
#include "ErrorEvent.h"

namespace framework {

class IOErrorEvent : public ErrorEvent {
    RUNTIME_CLASS(IOErrorEvent)
public:
    static inline runtime::String IO_ERROR = "ioError";

    explicit IOErrorEvent(const runtime::String& type, bool bubbles = true, bool cancelable = false,
                          const runtime::String& text = "", int id = 0)
        : ErrorEvent(type, bubbles, cancelable, text, id) {}
    explicit IOErrorEvent(runtime::NoInit n) : ErrorEvent(n) {}

    runtime::Ref<Event> clone() override;
    std::string toString() const override;
};

}  // namespace framework
