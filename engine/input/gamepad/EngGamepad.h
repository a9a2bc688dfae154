#pragma once
// One joystick: its buttons (created on first mention, with the keyboard's four-state cycle),
// its analogue axes read through a dead zone, its hat (direction pad) and its trackball.
#include <vector>

#include "engine/input/gamepad/EngGamepadButton.h"
#include "engine/interfaces/IEngDestroyable.h"

namespace engine {

class EngPoint;

class EngGamepad : public runtime::Object, public IEngDestroyable {
    RUNTIME_CLASS(EngGamepad)
public:
    static constexpr int JUST_RELEASED = -1;
    static constexpr int RELEASED = 0;
    static constexpr int PRESSED = 1;
    static constexpr int JUST_PRESSED = 2;
    static constexpr double DEFAULT_DEAD_ZONE = 0.15;

    // A global dead zone of 0 keeps the default one.
    explicit EngGamepad(int id, double globalDeadZone = 0);
    explicit EngGamepad(runtime::NoInit) {}

    // Creates and stores the button when it is new; a negative id gives a button that is not kept.
    virtual runtime::Ref<EngGamepadButton> getButton(int buttonID);
    virtual void update();
    virtual void reset();
    void destroy() override;
    // Exact state comparison; false for a button never named.
    virtual bool checkStatus(int buttonID, int status);
    virtual bool anyPressed(const std::vector<int>& buttonIDs);
    virtual bool anyJustPressed(const std::vector<int>& buttonIDs);
    virtual bool anyJustReleased(const std::vector<int>& buttonIDs);
    virtual bool pressed(int buttonID);
    virtual bool justPressed(int buttonID);
    virtual bool justReleased(int buttonID);
    // -1 when no button is in the state.
    virtual int firstPressedButtonID();
    virtual int firstJustPressedButtonID();
    virtual int firstJustReleasedButtonID();
    virtual double getAxis(int axisID) { return getAxisValue(axisID); }
    virtual double getXAxis(int axisID) { return getAxisValue(axisID); }
    virtual double getYAxis(int axisID) { return getAxisValue(axisID); }
    virtual bool anyButton();
    virtual bool anyInput();
    // 0 outside the axis list and within the dead zone.
    virtual double getAxisValue(int axisID);
    virtual bool get_dpadUp();
    virtual bool get_dpadDown();
    virtual bool get_dpadLeft();
    virtual bool get_dpadRight();

    int id = 0;
    // Indexed by button id; null until the button is first named.
    std::vector<runtime::Ref<EngGamepadButton>> buttons;
    double deadZone = DEFAULT_DEAD_ZONE;
    runtime::Ref<EngPoint> hat;
    runtime::Ref<EngPoint> ball;
    std::vector<double> axis = std::vector<double>(6, 0.0);

private:
    EngGamepadButton* buttonAt(int buttonID) const {
        return buttonID >= 0 && buttonID < static_cast<int>(buttons.size()) ? buttons[buttonID].get() : nullptr;
    }
    int firstWith(bool (*test)(int));
};

}  // namespace engine
