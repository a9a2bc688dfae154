#include "MouseEvent.h"
#include "platform/media/MediaRecords.h"

#include "platform/runtime/Args.h"
#include "platform/runtime/Numbers.h"

// The pointer's modifier bits have fixed values.
static_assert(media::MediaRecords::efLeftDown == 1 && media::MediaRecords::efShiftDown == 2 &&
              media::MediaRecords::efCtrlDown == 4 && media::MediaRecords::efAltDown == 8 &&
              media::MediaRecords::efCommandDown == 16);

namespace framework {

using runtime::Ref;
using runtime::Value;

MouseEvent::MouseEvent(const runtime::String& type, bool bubbles, bool cancelable, double localX, double localY,
                       const Ref<InteractiveObject>& relatedObject, bool ctrlKey, bool altKey, bool shiftKey,
                       bool buttonDown, int delta, bool commandKey, int clickCount)
    : Event(type, bubbles, cancelable),
      altKey(altKey),
      buttonDown(buttonDown),
      clickCount(clickCount),
      commandKey(commandKey),
      ctrlKey(ctrlKey),
      delta(delta),
      localX(localX),
      localY(localY),
      relatedObject(relatedObject),
      shiftKey(shiftKey) {}

Ref<MouseEvent> MouseEvent::create_(const runtime::String& type, const Value& record, const Ref<Point>& local,
                                    const Ref<InteractiveObject>& target) {
    int flags = media::MediaRecords::getInt(record, media::RecordField::flags);
    auto e = runtime::make<MouseEvent>(type, true, true, local->x, local->y, nullptr, (flags & efCtrlDown) != 0,
                                       (flags & efAltDown) != 0, (flags & efShiftDown) != 0,
                                       (flags & efLeftDown) != 0, 0);
    e->stageX = media::MediaRecords::getFloat(record, media::RecordField::x);
    e->stageY = media::MediaRecords::getFloat(record, media::RecordField::y);
    e->set_target(target);
    return e;
}

Ref<MouseEvent> MouseEvent::createSimilar_(const runtime::String& type, const Ref<InteractiveObject>& related,
                                           const Ref<InteractiveObject>& target) {
    auto e = runtime::make<MouseEvent>(type, bubbles_, cancelable_, localX, localY, related ? related : relatedObject,
                                       ctrlKey, altKey, shiftKey, buttonDown, delta, commandKey, clickCount);
    e->stageX = stageX;
    e->stageY = stageY;
    if (target) e->set_target(target);
    return e;
}

Ref<Event> MouseEvent::clone() {
    return runtime::make<MouseEvent>(type_, bubbles_, cancelable_, localX, localY, relatedObject, ctrlKey, altKey,
                                     shiftKey, buttonDown, delta, commandKey, clickCount);
}

std::string MouseEvent::toString() const {
    using runtime::Numbers;
    auto flag = [](bool b) { return std::string(b ? "true" : "false"); };
    return textForm("MouseEvent", " localX=" + Numbers::toText(localX) + " localY=" + Numbers::toText(localY) +
                                      " relatedObject=" + (relatedObject ? relatedObject->toString() : "null") +
                                      " ctrlKey=" + flag(ctrlKey) + " altKey=" + flag(altKey) +
                                      " shiftKey=" + flag(shiftKey) + " buttonDown=" + flag(buttonDown) +
                                      " delta=" + std::to_string(delta));
}

}  // namespace framework

using framework::MouseEvent;

RUNTIME_DEFINE_CLASS(MouseEvent, "framework._native.events.MouseEvent", framework::Event, (auto& b) {
    using M = MouseEvent;
    b.template field<&M::altKey>("altKey")
        .template field<&M::buttonDown>("buttonDown")
        .template field<&M::clickCount>("clickCount")
        .template field<&M::commandKey>("commandKey")
        .template field<&M::ctrlKey>("ctrlKey")
        .template field<&M::delta>("delta")
        .template field<&M::localX>("localX")
        .template field<&M::localY>("localY")
        .template field<&M::relatedObject>("relatedObject")
        .template field<&M::shiftKey>("shiftKey")
        .template field<&M::stageX>("stageX")
        .template field<&M::stageY>("stageY")
        .template method<&M::updateAfterEvent>("updateAfterEvent")
        .template method<&M::createSimilar_>("__createSimilar")
        .template staticMethod<&M::create_>("__create")
        .template staticField<&M::DOUBLE_CLICK>("DOUBLE_CLICK")
        .template staticField<&M::CLICK>("CLICK")
        .template staticField<&M::MIDDLE_CLICK>("MIDDLE_CLICK")
        .template staticField<&M::MIDDLE_MOUSE_DOWN>("MIDDLE_MOUSE_DOWN")
        .template staticField<&M::MIDDLE_MOUSE_UP>("MIDDLE_MOUSE_UP")
        .template staticField<&M::MOUSE_DOWN>("MOUSE_DOWN")
        .template staticField<&M::MOUSE_MOVE>("MOUSE_MOVE")
        .template staticField<&M::MOUSE_OUT>("MOUSE_OUT")
        .template staticField<&M::MOUSE_OVER>("MOUSE_OVER")
        .template staticField<&M::MOUSE_UP>("MOUSE_UP")
        .template staticField<&M::MOUSE_WHEEL>("MOUSE_WHEEL")
        .template staticField<&M::RIGHT_CLICK>("RIGHT_CLICK")
        .template staticField<&M::RIGHT_MOUSE_DOWN>("RIGHT_MOUSE_DOWN")
        .template staticField<&M::RIGHT_MOUSE_UP>("RIGHT_MOUSE_UP")
        .template staticField<&M::ROLL_OUT>("ROLL_OUT")
        .template staticField<&M::ROLL_OVER>("ROLL_OVER")
        .template staticField<&M::efLeftDown>("efLeftDown")
        .template staticField<&M::efShiftDown>("efShiftDown")
        .template staticField<&M::efCtrlDown>("efCtrlDown")
        .template staticField<&M::efAltDown>("efAltDown")
        .template staticField<&M::efCommandDown>("efCommandDown")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<MouseEvent>(a.text(0), a.flag(1, true), a.flag(2), a.number(3), a.number(4),
                                             a.object<framework::InteractiveObject>(5), a.flag(6), a.flag(7),
                                             a.flag(8), a.flag(9), a.integer(10), a.flag(11), a.integer(12));
        });
})
