#include "Event.h"

#include "platform/runtime/Args.h"

namespace framework {

using runtime::Ref;

Event::Event(const runtime::String& type, bool bubbles, bool cancelable)
    : bubbles_(bubbles), cancelable_(cancelable), type_(type) {}

Ref<Event> Event::clone() { return runtime::make<Event>(type_, bubbles_, cancelable_); }

bool Event::isDefaultPrevented() { return isCancelled_ || isCancelledNow_; }

void Event::stopImmediatePropagation() {
    if (!cancelable_) return;
    isCancelled_ = true;
    isCancelledNow_ = true;
}

void Event::stopPropagation() {
    if (cancelable_) isCancelled_ = true;
}

Ref<runtime::Object> Event::set_currentTarget(const Ref<runtime::Object>& value) {
    currentTarget_ = value;
    return value;
}

Ref<runtime::Object> Event::set_target(const Ref<runtime::Object>& value) {
    target_ = value;
    return value;
}

std::string Event::toString() const { return textForm("Event"); }

std::string Event::textForm(std::string_view className, const std::string& fields) const {
    std::string s = "[";
    s.append(className);
    s += " type=" + type_.toText() + " bubbles=" + (bubbles_ ? "true" : "false") +
         " cancelable=" + (cancelable_ ? "true" : "false") + fields + "]";
    return s;
}

}  // namespace framework

using framework::Event;

RUNTIME_DEFINE_CLASS(Event, "framework._native.events.Event", runtime::Object, (auto& b) {
    b.template property<&Event::get_bubbles>("bubbles")
        .template property<&Event::get_cancelable>("cancelable")
        .template property<&Event::get_currentTarget, &Event::set_currentTarget>("currentTarget")
        .template property<&Event::get_eventPhase>("eventPhase")
        .template property<&Event::get_target, &Event::set_target>("target")
        .template property<&Event::get_type>("type")
        .template field<&Event::bubbles_>("__bubbles")
        .template field<&Event::cancelable_>("__cancelable")
        .template field<&Event::currentTarget_>("__currentTarget")
        .template field<&Event::eventPhase_>("__eventPhase")
        .template field<&Event::isCancelled_>("__isCancelled")
        .template field<&Event::isCancelledNow_>("__isCancelledNow")
        .template field<&Event::target_>("__target")
        .template field<&Event::type_>("__type")
        .template method<&Event::clone>("clone")
        .template method<&Event::isDefaultPrevented>("isDefaultPrevented")
        .template method<&Event::stopImmediatePropagation>("stopImmediatePropagation")
        .template method<&Event::stopPropagation>("stopPropagation")
        .template method<&Event::getIsCancelled_>("__getIsCancelled")
        .template method<&Event::getIsCancelledNow_>("__getIsCancelledNow")
        .template method<&Event::setPhase_>("__setPhase")
        .template staticField<&Event::ACTIVATE>("ACTIVATE")
        .template staticField<&Event::ADDED>("ADDED")
        .template staticField<&Event::ADDED_TO_STAGE>("ADDED_TO_STAGE")
        .template staticField<&Event::CANCEL>("CANCEL")
        .template staticField<&Event::CHANGE>("CHANGE")
        .template staticField<&Event::CLOSE>("CLOSE")
        .template staticField<&Event::COMPLETE>("COMPLETE")
        .template staticField<&Event::CONNECT>("CONNECT")
        .template staticField<&Event::CONTEXT3D_CREATE>("CONTEXT3D_CREATE")
        .template staticField<&Event::DEACTIVATE>("DEACTIVATE")
        .template staticField<&Event::ENTER_FRAME>("ENTER_FRAME")
        .template staticField<&Event::ID3>("ID3")
        .template staticField<&Event::INIT>("INIT")
        .template staticField<&Event::MOUSE_LEAVE>("MOUSE_LEAVE")
        .template staticField<&Event::OPEN>("OPEN")
        .template staticField<&Event::REMOVED>("REMOVED")
        .template staticField<&Event::REMOVED_FROM_STAGE>("REMOVED_FROM_STAGE")
        .template staticField<&Event::RENDER>("RENDER")
        .template staticField<&Event::RESIZE>("RESIZE")
        .template staticField<&Event::SCROLL>("SCROLL")
        .template staticField<&Event::SELECT>("SELECT")
        .template staticField<&Event::SOUND_COMPLETE>("SOUND_COMPLETE")
        .template staticField<&Event::TAB_CHILDREN_CHANGE>("TAB_CHILDREN_CHANGE")
        .template staticField<&Event::TAB_ENABLED_CHANGE>("TAB_ENABLED_CHANGE")
        .template staticField<&Event::TAB_INDEX_CHANGE>("TAB_INDEX_CHANGE")
        .template staticField<&Event::UNLOAD>("UNLOAD")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<Event>(a.text(0), a.flag(1), a.flag(2));
        });
})
