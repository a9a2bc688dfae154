#include "EngGamepadManager.h"

#include <cmath>

#include "engine/util/EngPoint.h"
#include "framework/Lib.h"
#include "framework/display/MovieClip.h"
#include "framework/display/Stage.h"
#include "framework/events/JoystickEvent.h"

namespace engine {

using framework::JoystickEvent;
using runtime::Function;
using runtime::Ref;

EngGamepadManager::EngGamepadManager() {
    Ref<framework::Stage> stage = framework::Lib::get_current()->get_stage();
    if (!stage) return;
    stage->addEventListener(JoystickEvent::AXIS_MOVE, Function::method<&EngGamepadManager::handleAxisMove>(this));
    stage->addEventListener(JoystickEvent::BALL_MOVE, Function::method<&EngGamepadManager::handleBallMove>(this));
    stage->addEventListener(JoystickEvent::BUTTON_DOWN, Function::method<&EngGamepadManager::handleButtonDown>(this));
    stage->addEventListener(JoystickEvent::BUTTON_UP, Function::method<&EngGamepadManager::handleButtonUp>(this));
    stage->addEventListener(JoystickEvent::HAT_MOVE, Function::method<&EngGamepadManager::handleHatMove>(this));
}

Ref<EngGamepad> EngGamepadManager::getByID(int gamepadID) {
    if (gamepadID >= 0 && gamepadID < static_cast<int>(_gamepads.size()) && _gamepads[gamepadID])
        return _gamepads[gamepadID];
    auto gamepad = runtime::make<EngGamepad>(gamepadID, globalDeadZone);
    if (gamepadID >= 0) {
        if (gamepadID >= static_cast<int>(_gamepads.size())) _gamepads.resize(gamepadID + 1);
        _gamepads[gamepadID] = gamepad;
    }
    lastActive = gamepad;
    if (!firstActive) firstActive = gamepad;
    return gamepad;
}

std::vector<int> EngGamepadManager::getActiveGamepadIDs(std::vector<int> ids) {
    for (const auto& gamepad : _gamepads)
        if (gamepad && gamepad->anyInput()) ids.push_back(gamepad->id);
    return ids;
}

std::vector<Ref<EngGamepad>> EngGamepadManager::getActiveGamepads(std::vector<Ref<EngGamepad>> gamepads) {
    for (const auto& gamepad : _gamepads)
        if (gamepad && gamepad->anyInput()) gamepads.push_back(gamepad);
    return gamepads;
}

int EngGamepadManager::getFirstActiveGamepadID() {
    Ref<EngGamepad> first = getFirstActiveGamepad();
    return first ? first->id : -1;
}

Ref<EngGamepad> EngGamepadManager::getFirstActiveGamepad() {
    for (const auto& gamepad : _gamepads)
        if (gamepad && gamepad->anyInput()) return gamepad;
    return nullptr;
}

bool EngGamepadManager::anyButton() {
    for (const auto& gamepad : _gamepads)
        if (gamepad && gamepad->anyButton()) return true;
    return false;
}

bool EngGamepadManager::anyInput() {
    for (const auto& gamepad : _gamepads)
        if (gamepad && gamepad->anyInput()) return true;
    return false;
}

bool EngGamepadManager::anyPressed(int buttonID) {
    for (const auto& gamepad : _gamepads)
        if (gamepad && gamepad->pressed(buttonID)) return true;
    return false;
}

bool EngGamepadManager::anyJustPressed(int buttonID) {
    for (const auto& gamepad : _gamepads)
        if (gamepad && gamepad->justPressed(buttonID)) return true;
    return false;
}

bool EngGamepadManager::anyJustReleased(int buttonID) {
    for (const auto& gamepad : _gamepads)
        if (gamepad && gamepad->justReleased(buttonID)) return true;
    return false;
}

void EngGamepadManager::destroy() {
    for (const auto& gamepad : _gamepads)
        if (gamepad) gamepad->destroy();
    firstActive = nullptr;
    lastActive = nullptr;
    _gamepads.clear();
    destroyed_ = true;
}

void EngGamepadManager::reset() {
    for (const auto& gamepad : _gamepads)
        if (gamepad) gamepad->reset();
}

void EngGamepadManager::handleButtonDown(const Ref<JoystickEvent>& event) {
    if (destroyed_ || !event) return;
    getByID(event->device)->getButton(event->id)->press();
}

void EngGamepadManager::handleButtonUp(const Ref<JoystickEvent>& event) {
    if (destroyed_ || !event) return;
    getByID(event->device)->getButton(event->id)->release();
}

void EngGamepadManager::handleAxisMove(const Ref<JoystickEvent>& event) {
    if (destroyed_ || !event) return;
    getByID(event->device)->axis = event->axis;
}

void EngGamepadManager::handleBallMove(const Ref<JoystickEvent>& event) {
    if (destroyed_ || !event) return;
    Ref<EngGamepad> gamepad = getByID(event->device);
    if (!gamepad->ball) return;
    gamepad->ball->set_x(gamepad->deadZone > std::fabs(event->x) ? 0 : event->x);
    gamepad->ball->set_y(gamepad->deadZone > std::fabs(event->y) ? 0 : event->y);
}

void EngGamepadManager::handleHatMove(const Ref<JoystickEvent>& event) {
    if (destroyed_ || !event) return;
    Ref<EngGamepad> gamepad = getByID(event->device);
    if (!gamepad->hat) return;
    gamepad->hat->set_x(gamepad->deadZone > std::fabs(event->x) ? 0 : event->x);
    gamepad->hat->set_y(gamepad->deadZone > std::fabs(event->y) ? 0 : event->y);
}

void EngGamepadManager::update() {
    for (const auto& gamepad : _gamepads)
        if (gamepad) gamepad->update();
}

int EngGamepadManager::get_numActiveGamepads() {
    int count = 0;
    for (const auto& gamepad : _gamepads)
        if (gamepad) ++count;
    return count;
}

double EngGamepadManager::set_globalDeadZone(double value) {
    globalDeadZone = value;
    for (const auto& gamepad : _gamepads)
        if (gamepad) gamepad->deadZone = value;
    return globalDeadZone;
}

}  // namespace engine

using engine::EngGamepadManager;

RUNTIME_DEFINE_CLASS(EngGamepadManager, "engine.input.gamepad.EngGamepadManager", runtime::Object, (auto& b) {
    b.template field<&EngGamepadManager::firstActive>("firstActive")
        .template field<&EngGamepadManager::lastActive>("lastActive")
        .template readOnlyProperty<&EngGamepadManager::get_numActiveGamepads>("numActiveGamepads")
        .template method<&EngGamepadManager::getByID>("getByID")
        .template method<&EngGamepadManager::anyInput>("anyInput")
        .template method<&EngGamepadManager::update>("update")
        .template method<&EngGamepadManager::reset>("reset")
        .emptyInstance();
})
