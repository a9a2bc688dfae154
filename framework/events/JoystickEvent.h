#pragma once
// A game-controller event: axis, ball and hat motion, buttons, devices added and removed.
#include <vector>

#include "Event.h"
#include "platform/runtime/Array.h"

namespace framework {

class JoystickEvent : public Event {
    RUNTIME_CLASS(JoystickEvent)
public:
    static inline runtime::String AXIS_MOVE = "axisMove";
    static inline runtime::String BALL_MOVE = "ballMove";
    static inline runtime::String BUTTON_DOWN = "buttonDown";
    static inline runtime::String BUTTON_UP = "buttonUp";
    static inline runtime::String HAT_MOVE = "hatMove";
    static inline runtime::String DEVICE_ADDED = "deviceAdded";
    static inline runtime::String DEVICE_REMOVED = "deviceRemoved";

    // axis becomes x, y, z, 0, 0, 0.
    explicit JoystickEvent(const runtime::String& type, bool bubbles = false, bool cancelable = false, int device = 0,
                           int id = 0, double x = 0, double y = 0, double z = 0);
    explicit JoystickEvent(runtime::NoInit n) : Event(n) {}

    // Rebuilt from x, y, z: axis values past the third are not kept.
    runtime::Ref<Event> clone() override;
    std::string toString() const override;

    // The axis list as a runtime array (a copy), for access by name.
    runtime::Ref<runtime::Array> get_axis();
    runtime::Ref<runtime::Array> set_axis(const runtime::Ref<runtime::Array>& v);

    std::vector<double> axis;
    int device = 0;
    int id = 0;
    double x = 0;
    double y = 0;
    double z = 0;
};

}  // namespace framework
