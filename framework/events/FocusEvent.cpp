#include "FocusEvent.h"

#include "platform/runtime/Args.h"

namespace framework {

FocusEvent::FocusEvent(const runtime::String& type, bool bubbles, bool cancelable,
                       const runtime::Ref<InteractiveObject>& relatedObject, bool shiftKey, int keyCode)
    : Event(type, bubbles, cancelable), keyCode(keyCode), relatedObject(relatedObject), shiftKey(shiftKey) {}

runtime::Ref<Event> FocusEvent::clone() {
    auto e = runtime::make<FocusEvent>(type_, bubbles_, cancelable_, relatedObject, shiftKey, keyCode);
    e->set_target(target_);
    e->set_currentTarget(currentTarget_);
    return e;
}

std::string FocusEvent::toString() const {
    return textForm("FocusEvent", " relatedObject=" + (relatedObject ? relatedObject->toString() : "null") +
                                      " shiftKey=" + (shiftKey ? "true" : "false") +
                                      " keyCode=" + std::to_string(keyCode));
}

}  // namespace framework

using framework::FocusEvent;

RUNTIME_DEFINE_CLASS(FocusEvent, "framework.events.FocusEvent", framework::Event, (auto& b) {
    using F = FocusEvent;
    b.template field<&F::keyCode>("keyCode")
        .template field<&F::relatedObject>("relatedObject")
        .template field<&F::shiftKey>("shiftKey")
        .template staticField<&F::FOCUS_IN>("FOCUS_IN")
        .template staticField<&F::FOCUS_OUT>("FOCUS_OUT")
        .template staticField<&F::KEY_FOCUS_CHANGE>("KEY_FOCUS_CHANGE")
        .template staticField<&F::MOUSE_FOCUS_CHANGE>("MOUSE_FOCUS_CHANGE")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<FocusEvent>(a.text(0), a.flag(1), a.flag(2), a.object<framework::InteractiveObject>(3),
                                             a.flag(4), a.integer(5));
        });
})
