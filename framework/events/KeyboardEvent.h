#pragma once
// A key press or release: key code, character code, key location and modifiers.
#include "Event.h"

namespace framework {

class KeyboardEvent : public Event {
    RUNTIME_CLASS(KeyboardEvent)
public:
    static inline runtime::String KEY_DOWN = "keyDown";
    static inline runtime::String KEY_UP = "keyUp";

    // The stored ctrlKey is set when any of ctrlKey, controlKey and commandKey is.
    explicit KeyboardEvent(const runtime::String& type, bool bubbles = false, bool cancelable = false,
                           int charCode = 0, int keyCode = 0, int keyLocation = 0, bool ctrlKey = false,
                           bool altKey = false, bool shiftKey = false, bool controlKey = false,
                           bool commandKey = false);
    explicit KeyboardEvent(runtime::NoInit n) : Event(n) {}

    runtime::Ref<Event> clone() override;
    std::string toString() const override;

    bool altKey = false;
    int charCode = 0;
    bool ctrlKey = false;
    bool controlKey = false;
    bool commandKey = false;
    int keyCode = 0;
    int keyLocation = 0;
    bool shiftKey = false;
};

}  // namespace framework
