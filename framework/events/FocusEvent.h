#pragma once
// A focus change: focus in and out, and the pointer or keyboard request that precedes it.
#include "Event.h"
#include "framework/display/InteractiveObject.h"

namespace framework {

class FocusEvent : public Event {
    RUNTIME_CLASS(FocusEvent)
public:
    static inline runtime::String FOCUS_IN = "focusIn";
    static inline runtime::String FOCUS_OUT = "focusOut";
    static inline runtime::String KEY_FOCUS_CHANGE = "keyFocusChange";
    static inline runtime::String MOUSE_FOCUS_CHANGE = "mouseFocusChange";

    explicit FocusEvent(const runtime::String& type, bool bubbles = false, bool cancelable = false,
                        const runtime::Ref<InteractiveObject>& relatedObject = nullptr, bool shiftKey = false,
                        int keyCode = 0);
    explicit FocusEvent(runtime::NoInit n) : Event(n) {}

    // Also copies the target and the current target.
    runtime::Ref<Event> clone() override;
    std::string toString() const override;

    int keyCode = 0;
    runtime::Ref<InteractiveObject> relatedObject;
    bool shiftKey = false;
};

}  // namespace framework
