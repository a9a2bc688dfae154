#include "EngSystemButton.h"

#include "framework/events/MouseEvent.h"

namespace engine {

using runtime::Function;

EngSystemButton::EngSystemButton(const runtime::Ref<framework::BitmapData>& icon,
                                 const runtime::Ref<runtime::Function>& handler, bool toggle)
    : framework::Sprite("EngSystemButton") {
    if (icon) {
        _icon = runtime::make<framework::Bitmap>(icon);
        addChild(_icon);
    }
    upHandler = handler;
    toggleMode = toggle;
    listen(true);
}

void EngSystemButton::listen(bool add) {
    using framework::MouseEvent;
    if (add) {
        addEventListener(MouseEvent::MOUSE_UP, Function::method<&EngSystemButton::onMouseUp>(this));
        addEventListener(MouseEvent::MOUSE_DOWN, Function::method<&EngSystemButton::onMouseDown>(this));
        addEventListener(MouseEvent::MOUSE_OUT, Function::method<&EngSystemButton::onMouseOut>(this));
        addEventListener(MouseEvent::MOUSE_OVER, Function::method<&EngSystemButton::onMouseOver>(this));
    } else {
        removeEventListener(MouseEvent::MOUSE_UP, Function::method<&EngSystemButton::onMouseUp>(this));
        removeEventListener(MouseEvent::MOUSE_DOWN, Function::method<&EngSystemButton::onMouseDown>(this));
        removeEventListener(MouseEvent::MOUSE_OUT, Function::method<&EngSystemButton::onMouseOut>(this));
        removeEventListener(MouseEvent::MOUSE_OVER, Function::method<&EngSystemButton::onMouseOver>(this));
    }
}

void EngSystemButton::changeIcon(const runtime::Ref<framework::BitmapData>& icon) {
    if (_icon) removeChild(_icon);
    _icon = runtime::make<framework::Bitmap>(icon);
    addChild(_icon);
}

void EngSystemButton::destroy() {
    listen(false);
    _icon = nullptr;
    upHandler = nullptr;
}

void EngSystemButton::onMouseUp(const runtime::Ref<framework::MouseEvent>&) {
    if (!enabled || !_mouseDown) return;
    runtime::Ref<EngSystemButton> keep(this);
    set_toggled(!toggled);
    _mouseDown = false;
    if (runtime::Ref<Function> handler = upHandler) handler->callArgs(nullptr, 0);
}

void EngSystemButton::onMouseDown(const runtime::Ref<framework::MouseEvent>&) { _mouseDown = true; }

void EngSystemButton::onMouseOver(const runtime::Ref<framework::MouseEvent>&) { set_alpha(get_alpha() - 0.2); }

void EngSystemButton::onMouseOut(const runtime::Ref<framework::MouseEvent>&) { set_alpha(get_alpha() + 0.2); }

bool EngSystemButton::set_toggled(bool value) {
    if (toggleMode) set_alpha(value ? 0.3 : 1.0);
    toggled = value;
    return value;
}

}  // namespace engine

using engine::EngSystemButton;

RUNTIME_DEFINE_CLASS(EngSystemButton, "engine.system.ui.EngSystemButton", framework::Sprite, (auto& b) {
    b.template field<&EngSystemButton::enabled>("enabled")
        .template field<&EngSystemButton::toggleMode>("toggleMode")
        .template property<&EngSystemButton::get_toggled, &EngSystemButton::set_toggled>("toggled")
        .template method<&EngSystemButton::destroy>("destroy")
        .emptyInstance();
})
