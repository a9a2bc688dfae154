#pragma once
// Loading progress in bytes.
#include "Event.h"

namespace framework {

class ProgressEvent : public Event {
    RUNTIME_CLASS(ProgressEvent)
public:
    static inline runtime::String PROGRESS = "progress";
    static inline runtime::String SOCKET_DATA = "socketData";

    explicit ProgressEvent(const runtime::String& type, bool bubbles = false, bool cancelable = false,
                           double bytesLoaded = 0, double bytesTotal = 0)
        : Event(type, bubbles, cancelable), bytesLoaded(bytesLoaded), bytesTotal(bytesTotal) {}
    explicit ProgressEvent(runtime::NoInit n) : Event(n) {}

    runtime::Ref<Event> clone() override;
    std::string toString() const override;

    double bytesLoaded = 0;
    double bytesTotal = 0;
};

}  // namespace framework
