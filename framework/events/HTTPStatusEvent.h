#pragma once
// The HTTP status of a finished network load, with the response's headers.
#include <vector>

#include "Event.h"
#include "platform/runtime/Array.h"
#include "framework/net/URLRequestHeader.h"

namespace framework {

class HTTPStatusEvent : public Event {
    RUNTIME_CLASS(HTTPStatusEvent)
public:
    static inline runtime::String HTTP_STATUS = "httpStatus";

    explicit HTTPStatusEvent(const runtime::String& type, bool bubbles = false, bool cancelable = false,
                             int status = 0)
        : Event(type, bubbles, cancelable), status(status) {}
    explicit HTTPStatusEvent(runtime::NoInit n) : Event(n) {}

    int status = 0;
    std::vector<runtime::Ref<URLRequestHeader>> responseHeaders;
    runtime::String responseURL;

    // The headers as a list, for access by name.
    runtime::Ref<runtime::Array> headerList();
    // Same type, flags and status; no headers.
    runtime::Ref<Event> clone() override;
    std::string toString() const override;
};

}  // namespace framework
