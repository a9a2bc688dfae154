#include "EngGamepadButton.h"

using engine::EngGamepadButton;

RUNTIME_DEFINE_CLASS(EngGamepadButton, "engine.input.gamepad.EngGamepadButton", runtime::Object, (auto& b) {
    b.template field<&EngGamepadButton::id>("id")
        .template field<&EngGamepadButton::current>("current")
        .template field<&EngGamepadButton::last>("last")
        .emptyInstance();
})
