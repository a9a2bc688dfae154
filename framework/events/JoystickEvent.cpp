#include "JoystickEvent.h"

#include "platform/runtime/Args.h"
#include "platform/runtime/Numbers.h"

namespace framework {

JoystickEvent::JoystickEvent(const runtime::String& type, bool bubbles, bool cancelable, int device, int id, double x,
                             double y, double z)
    : Event(type, bubbles, cancelable), axis{x, y, z, 0, 0, 0}, device(device), id(id), x(x), y(y), z(z) {}

runtime::Ref<Event> JoystickEvent::clone() {
    return runtime::make<JoystickEvent>(type_, bubbles_, cancelable_, device, id, x, y, z);
}

std::string JoystickEvent::toString() const {
    using runtime::Numbers;
    return textForm("JoystickEvent", " device=" + std::to_string(device) + " id=" + std::to_string(id) +
                                         " x=" + Numbers::toText(x) + " y=" + Numbers::toText(y) +
                                         " z=" + Numbers::toText(z));
}

runtime::Ref<runtime::Array> JoystickEvent::get_axis() {
    auto a = runtime::make<runtime::Array>();
    for (double v : axis) a->push(runtime::Value(v));
    return a;
}

runtime::Ref<runtime::Array> JoystickEvent::set_axis(const runtime::Ref<runtime::Array>& v) {
    axis.clear();
    if (v)
        for (const auto& item : v->items) axis.push_back(item.toFloat());
    return v;
}

}  // namespace framework

using framework::JoystickEvent;

RUNTIME_DEFINE_CLASS(JoystickEvent, "framework.events.JoystickEvent", framework::Event, (auto& b) {
    using J = JoystickEvent;
    b.template property<&J::get_axis, &J::set_axis>("axis")
        .template field<&J::device>("device")
        .template field<&J::id>("id")
        .template field<&J::x>("x")
        .template field<&J::y>("y")
        .template field<&J::z>("z")
        .template staticField<&J::AXIS_MOVE>("AXIS_MOVE")
        .template staticField<&J::BALL_MOVE>("BALL_MOVE")
        .template staticField<&J::BUTTON_DOWN>("BUTTON_DOWN")
        .template staticField<&J::BUTTON_UP>("BUTTON_UP")
        .template staticField<&J::HAT_MOVE>("HAT_MOVE")
        .template staticField<&J::DEVICE_ADDED>("DEVICE_ADDED")
        .template staticField<&J::DEVICE_REMOVED>("DEVICE_REMOVED")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<JoystickEvent>(a.text(0), a.flag(1), a.flag(2), a.integer(3), a.integer(4),
                                                a.number(5), a.number(6), a.number(7));
        });
})
