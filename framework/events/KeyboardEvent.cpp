#include "KeyboardEvent.h"

#include "platform/runtime/Args.h"

namespace framework {

KeyboardEvent::KeyboardEvent(const runtime::String& type, bool bubbles, bool cancelable, int charCode, int keyCode,
                             int keyLocation, bool ctrlKey, bool altKey, bool shiftKey, bool controlKey,
                             bool commandKey)
    : Event(type, bubbles, cancelable),
      altKey(altKey),
      charCode(charCode),
      ctrlKey(ctrlKey || controlKey || commandKey),
      controlKey(controlKey),
      commandKey(commandKey),
      keyCode(keyCode),
      keyLocation(keyLocation),
      shiftKey(shiftKey) {}

runtime::Ref<Event> KeyboardEvent::clone() {
    return runtime::make<KeyboardEvent>(type_, bubbles_, cancelable_, charCode, keyCode, keyLocation, ctrlKey, altKey,
                                        shiftKey, controlKey, commandKey);
}

std::string KeyboardEvent::toString() const {
    auto flag = [](bool b) { return std::string(b ? "true" : "false"); };
    return textForm("KeyboardEvent", " charCode=" + std::to_string(charCode) + " keyCode=" + std::to_string(keyCode) +
                                         " keyLocation=" + std::to_string(keyLocation) + " ctrlKey=" + flag(ctrlKey) +
                                         " altKey=" + flag(altKey) + " shiftKey=" + flag(shiftKey));
}

}  // namespace framework

using framework::KeyboardEvent;

RUNTIME_DEFINE_CLASS(KeyboardEvent, "framework._native.events.KeyboardEvent", framework::Event, (auto& b) {
    using K = KeyboardEvent;
    b.template field<&K::altKey>("altKey")
        .template field<&K::charCode>("charCode")
        .template field<&K::ctrlKey>("ctrlKey")
        .template field<&K::controlKey>("controlKey")
        .template field<&K::commandKey>("commandKey")
        .template field<&K::keyCode>("keyCode")
        .template field<&K::keyLocation>("keyLocation")
        .template field<&K::shiftKey>("shiftKey")
        .template staticField<&K::KEY_DOWN>("KEY_DOWN")
        .template staticField<&K::KEY_UP>("KEY_UP")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<KeyboardEvent>(a.text(0), a.flag(1), a.flag(2), a.integer(3), a.integer(4),
                                                a.integer(5), a.flag(6), a.flag(7), a.flag(8), a.flag(9), a.flag(10));
        });
})
