#pragma once
// Asks a generated sound's listeners for the next samples, written into `data`.
#include "Event.h"
#include "framework/utils/ByteArray.h"

namespace framework {

class SampleDataEvent : public Event {
    RUNTIME_CLASS(SampleDataEvent)
public:
    static inline runtime::String SAMPLE_DATA = "sampleData";

    // data: a new empty little-endian byte array; position 0.
    explicit SampleDataEvent(const runtime::String& type, bool bubbles = false, bool cancelable = false);
    explicit SampleDataEvent(runtime::NoInit n) : Event(n) {}

    // Same type and flags with fresh empty data.
    runtime::Ref<Event> clone() override;
    std::string toString() const override;

    runtime::Ref<ByteArray> data;
    double position = 0;
};

}  // namespace framework
