#include "EngGamepad.h"

#include <cmath>

#include "engine/util/EngPoint.h"

namespace engine {

using runtime::Ref;

namespace {
bool isPressed(int s) { return s > 0; }
bool isJustPressed(int s) { return s == EngGamepad::JUST_PRESSED; }
bool isJustReleased(int s) { return s == EngGamepad::JUST_RELEASED; }
}  // namespace

EngGamepad::EngGamepad(int id_, double globalDeadZone) : id(id_) {
    if (globalDeadZone != 0) deadZone = globalDeadZone;
    ball = EngPoint::get(0, 0);
    hat = EngPoint::get(0, 0);
}

Ref<EngGamepadButton> EngGamepad::getButton(int buttonID) {
    if (EngGamepadButton* found = buttonAt(buttonID)) return Ref<EngGamepadButton>(found);
    auto button = runtime::make<EngGamepadButton>(buttonID);
    if (buttonID >= 0) {
        if (buttonID >= static_cast<int>(buttons.size())) buttons.resize(buttonID + 1);
        buttons[buttonID] = button;
    }
    return button;
}

void EngGamepad::update() {
    for (const auto& button : buttons) {
        if (!button) continue;
        if (button->last == JUST_RELEASED && button->current == JUST_RELEASED) button->current = RELEASED;
        else if (button->last == JUST_PRESSED && button->current == JUST_PRESSED) button->current = PRESSED;
        button->last = button->current;
    }
}

void EngGamepad::reset() {
    for (const auto& button : buttons)
        if (button) button->current = button->last = RELEASED;
    for (double& value : axis) value = 0;
    if (hat) hat->set(0, 0);
    if (ball) ball->set(0, 0);
}

void EngGamepad::destroy() {
    buttons.clear();
    axis.clear();
    if (hat) hat->put();
    if (ball) ball->put();
    hat = nullptr;
    ball = nullptr;
}

bool EngGamepad::checkStatus(int buttonID, int status) {
    EngGamepadButton* button = buttonAt(buttonID);
    return button && button->current == status;
}

bool EngGamepad::anyPressed(const std::vector<int>& ids) {
    for (int b : ids)
        if (pressed(b)) return true;
    return false;
}

bool EngGamepad::anyJustPressed(const std::vector<int>& ids) {
    for (int b : ids)
        if (justPressed(b)) return true;
    return false;
}

bool EngGamepad::anyJustReleased(const std::vector<int>& ids) {
    for (int b : ids)
        if (justReleased(b)) return true;
    return false;
}

bool EngGamepad::pressed(int buttonID) {
    EngGamepadButton* button = buttonAt(buttonID);
    return button && isPressed(button->current);
}

bool EngGamepad::justPressed(int buttonID) {
    EngGamepadButton* button = buttonAt(buttonID);
    return button && isJustPressed(button->current);
}

bool EngGamepad::justReleased(int buttonID) {
    EngGamepadButton* button = buttonAt(buttonID);
    return button && isJustReleased(button->current);
}

int EngGamepad::firstWith(bool (*test)(int)) {
    for (const auto& button : buttons)
        if (button && test(button->current)) return button->id;
    return -1;
}

int EngGamepad::firstPressedButtonID() { return firstWith(isPressed); }
int EngGamepad::firstJustPressedButtonID() { return firstWith(isJustPressed); }
int EngGamepad::firstJustReleasedButtonID() { return firstWith(isJustReleased); }

bool EngGamepad::anyButton() { return firstWith(isPressed) != -1; }

bool EngGamepad::anyInput() {
    if (anyButton()) return true;
    for (double value : axis)
        if (value != 0) return true;
    return (ball && (ball->x != 0 || ball->y != 0)) || (hat && (hat->x != 0 || hat->y != 0));
}

double EngGamepad::getAxisValue(int axisID) {
    if (axisID < 0 || axisID >= static_cast<int>(axis.size())) return 0;
    double value = axis[axisID];
    return std::fabs(value) > deadZone ? value : 0;
}

bool EngGamepad::get_dpadUp() { return hat && hat->y < 0; }
bool EngGamepad::get_dpadDown() { return hat && hat->y > 0; }
bool EngGamepad::get_dpadLeft() { return hat && hat->x < 0; }
bool EngGamepad::get_dpadRight() { return hat && hat->x > 0; }

}  // namespace engine

using engine::EngGamepad;

RUNTIME_DEFINE_CLASS(EngGamepad, "engine.input.gamepad.EngGamepad", runtime::Object, (auto& b) {
    b.template field<&EngGamepad::id>("id")
        .template field<&EngGamepad::deadZone>("deadZone")
        .template field<&EngGamepad::hat>("hat")
        .template field<&EngGamepad::ball>("ball")
        .template readOnlyProperty<&EngGamepad::get_dpadUp>("dpadUp")
        .template readOnlyProperty<&EngGamepad::get_dpadDown>("dpadDown")
        .template readOnlyProperty<&EngGamepad::get_dpadLeft>("dpadLeft")
        .template readOnlyProperty<&EngGamepad::get_dpadRight>("dpadRight")
        .template method<&EngGamepad::pressed>("pressed")
        .template method<&EngGamepad::justPressed>("justPressed")
        .template method<&EngGamepad::justReleased>("justReleased")
        .template method<&EngGamepad::getAxisValue>("getAxisValue")
        .emptyInstance();
})
