#pragma once
// The engine's gamepads: one per joystick index, created the first time an event or a query
// names it, fed by the stage's joystick events and settled once per engine step.
#include <vector>

#include "engine/input/IEngInput.h"
#include "engine/input/gamepad/EngGamepad.h"

namespace framework {
class JoystickEvent;
}

namespace engine {

class EngGamepadManager : public runtime::Object, public IEngInput {
    RUNTIME_CLASS(EngGamepadManager)
public:
    EngGamepadManager();
    explicit EngGamepadManager(runtime::NoInit) {}

    // Creates the gamepad when the index has none (a negative index stores nothing).
    virtual runtime::Ref<EngGamepad> getByID(int gamepadID);
    // Appends to the given list (not cleared) the gamepads with any input, in index order.
    virtual std::vector<int> getActiveGamepadIDs(std::vector<int> ids = {});
    virtual std::vector<runtime::Ref<EngGamepad>> getActiveGamepads(std::vector<runtime::Ref<EngGamepad>> gamepads = {});
    virtual int getFirstActiveGamepadID();
    virtual runtime::Ref<EngGamepad> getFirstActiveGamepad();
    virtual bool anyButton();
    virtual bool anyInput();
    virtual bool anyPressed(int buttonID);
    virtual bool anyJustPressed(int buttonID);
    virtual bool anyJustReleased(int buttonID);
    // Joystick events that arrive afterwards are ignored.
    void destroy() override;
    void reset() override;
    virtual void handleButtonDown(const runtime::Ref<framework::JoystickEvent>& event);
    virtual void handleButtonUp(const runtime::Ref<framework::JoystickEvent>& event);
    virtual void handleAxisMove(const runtime::Ref<framework::JoystickEvent>& event);
    virtual void handleBallMove(const runtime::Ref<framework::JoystickEvent>& event);
    virtual void handleHatMove(const runtime::Ref<framework::JoystickEvent>& event);
    void update() override;
    void onFocus() override {}
    void onFocusLost() override { reset(); }
    virtual int get_numActiveGamepads();
    virtual double set_globalDeadZone(double value);

    // The first and the latest gamepad ever created.
    runtime::Ref<EngGamepad> firstActive;
    runtime::Ref<EngGamepad> lastActive;
    double globalDeadZone = 0;
    // Indexed by joystick index; null where no gamepad was named.
    std::vector<runtime::Ref<EngGamepad>> _gamepads;

private:
    bool destroyed_ = false;
};

}  // namespace engine
