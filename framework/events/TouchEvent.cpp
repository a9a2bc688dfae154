#include "TouchEvent.h"
#include "platform/media/MediaRecords.h"

#include "platform/runtime/Args.h"

namespace framework {

using runtime::Ref;
using runtime::Value;

TouchEvent::TouchEvent(const runtime::String& type, bool bubbles, bool cancelable, double localX, double localY,
                       double sizeX, double sizeY, const Ref<InteractiveObject>& relatedObject, bool ctrlKey,
                       bool altKey, bool shiftKey, bool buttonDown, int delta, bool commandKey, int clickCount)
    : MouseEvent(type, bubbles, cancelable, localX, localY, relatedObject, ctrlKey, altKey, shiftKey, buttonDown, delta,
                 commandKey, clickCount),
      sizeX(sizeX),
      sizeY(sizeY) {}

Ref<TouchEvent> TouchEvent::create_(const runtime::String& type, const Value& record, const Ref<Point>& local,
                                    const Ref<InteractiveObject>& target, double sizeX, double sizeY) {
    int flags = media::MediaRecords::getInt(record, media::RecordField::flags);
    auto e = runtime::make<TouchEvent>(type, true, false, local->x, local->y, sizeX, sizeY, nullptr,
                                       (flags & efCtrlDown) != 0, (flags & efAltDown) != 0,
                                       (flags & efShiftDown) != 0, (flags & efLeftDown) != 0, 0);
    e->stageX = media::MediaRecords::getFloat(record, media::RecordField::x);
    e->stageY = media::MediaRecords::getFloat(record, media::RecordField::y);
    e->set_target(target);
    return e;
}

Ref<MouseEvent> TouchEvent::createSimilar_(const runtime::String& type, const Ref<InteractiveObject>& related,
                                           const Ref<InteractiveObject>& target) {
    auto e = runtime::make<TouchEvent>(type, bubbles_, cancelable_, localX, localY, sizeX, sizeY,
                                       related ? related : relatedObject, ctrlKey, altKey, shiftKey, buttonDown,
                                       delta, commandKey, clickCount);
    e->touchPointID = touchPointID;
    e->isPrimaryTouchPoint = isPrimaryTouchPoint;
    if (target) e->set_target(target);
    return e;
}

}  // namespace framework

using framework::TouchEvent;

RUNTIME_DEFINE_CLASS(TouchEvent, "framework._native.events.TouchEvent", framework::MouseEvent, (auto& b) {
    using T = TouchEvent;
    b.template field<&T::isPrimaryTouchPoint>("isPrimaryTouchPoint")
        .template field<&T::pressure>("pressure")
        .template field<&T::sizeX>("sizeX")
        .template field<&T::sizeY>("sizeY")
        .template field<&T::touchPointID>("touchPointID")
        .template staticMethod<&T::create_>("__create")
        .template staticField<&T::TOUCH_BEGIN>("TOUCH_BEGIN")
        .template staticField<&T::TOUCH_END>("TOUCH_END")
        .template staticField<&T::TOUCH_MOVE>("TOUCH_MOVE")
        .template staticField<&T::TOUCH_OUT>("TOUCH_OUT")
        .template staticField<&T::TOUCH_OVER>("TOUCH_OVER")
        .template staticField<&T::TOUCH_ROLL_OUT>("TOUCH_ROLL_OUT")
        .template staticField<&T::TOUCH_ROLL_OVER>("TOUCH_ROLL_OVER")
        .template staticField<&T::TOUCH_TAP>("TOUCH_TAP")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<TouchEvent>(a.text(0), a.flag(1, true), a.flag(2), a.number(3), a.number(4),
                                             a.number(5, 1), a.number(6, 1), a.object<framework::InteractiveObject>(7),
                                             a.flag(8), a.flag(9), a.flag(10), a.flag(11), a.integer(12), a.flag(13),
                                             a.integer(14));
        });
})
