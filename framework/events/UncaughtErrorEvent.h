#pragma once
// Wraps a thrown value that no caller caught. Bubbles and is cancelable unless told otherwise.
#include "ErrorEvent.h"

namespace framework {

class UncaughtErrorEvent : public ErrorEvent {
    RUNTIME_CLASS(UncaughtErrorEvent)
public:
    static inline runtime::String UNCAUGHT_ERROR = "uncaughtError";

    explicit UncaughtErrorEvent(const runtime::String& type, bool bubbles = true, bool cancelable = true,
                                const runtime::Value& error = runtime::Value())
        : ErrorEvent(type, bubbles, cancelable), error(error) {}
    explicit UncaughtErrorEvent(runtime::NoInit n) : ErrorEvent(n) {}

    runtime::Ref<Event> clone() override;
    // Shows neither the text nor the error.
    std::string toString() const override;

    runtime::Value error;
};

}  // namespace framework
