#include "SampleDataEvent.h"

#include "platform/runtime/Args.h"

namespace framework {

SampleDataEvent::SampleDataEvent(const runtime::String& type, bool bubbles, bool cancelable)
    : Event(type, bubbles, cancelable), data(runtime::make<ByteArray>()) {
    data->set_endian("littleEndian");
}

runtime::Ref<Event> SampleDataEvent::clone() { return runtime::make<SampleDataEvent>(type_, bubbles_, cancelable_); }

std::string SampleDataEvent::toString() const { return textForm("SampleDataEvent"); }

}  // namespace framework

using framework::SampleDataEvent;

RUNTIME_DEFINE_CLASS(SampleDataEvent, "framework.events.SampleDataEvent", framework::Event, (auto& b) {
    b.template field<&SampleDataEvent::data>("data")
        .template field<&SampleDataEvent::position>("position")
        .template staticField<&SampleDataEvent::SAMPLE_DATA>("SAMPLE_DATA")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<SampleDataEvent>(a.text(0), a.flag(1), a.flag(2));
        });
})
