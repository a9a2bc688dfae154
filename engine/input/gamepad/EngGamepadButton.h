#pragma once
// One button of a gamepad: its state now and the state before its latest change or update.
#include "platform/runtime/ClassBuilder.h"

namespace engine {

class EngGamepadButton : public runtime::Object {
    RUNTIME_CLASS(EngGamepadButton)
public:
    explicit EngGamepadButton(int id, int current = 0, int last = 0) : id(id), current(current), last(last) {}
    explicit EngGamepadButton(runtime::NoInit) {}

    virtual void reset() { current = last = 0; }
    // JUST_RELEASED when it was down, else RELEASED.
    virtual void release() {
        last = current;
        current = current > 0 ? -1 : 0;
    }
    // JUST_PRESSED when it was up, else PRESSED.
    virtual void press() {
        last = current;
        current = current > 0 ? 1 : 2;
    }

    int id = 0;
    int current = 0;
    int last = 0;
};

}  // namespace engine
