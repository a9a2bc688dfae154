#include "EngTypedButton.h"

#include "engine/EngCamera.h"
#include "engine/EngG.h"
#include "engine/animation/EngAnimationController.h"
#include "engine/input/mouse/EngMouse.h"
#include "engine/system/frontEnds/BitmapFrontEnd.h"
#include "engine/ui/GraphicButton.h"
#include "framework/Lib.h"
#include "framework/display/MovieClip.h"
#include "framework/display/Stage.h"
#include "framework/events/MouseEvent.h"

namespace engine {

using runtime::Function;
using runtime::Ref;

namespace {
Ref<framework::Stage> rootStage() { return framework::Lib::get_current()->get_stage(); }
}  // namespace

EngTypedButton::EngTypedButton(double x, double y, const Ref<Function>& onClick) : EngSprite(x, y) {
    if (EngG::bitmap)
        loadGraphic(runtime::Value(EngG::bitmap->addClass(&GraphicButton::staticClass())), true, 80, 20);
    onUp = runtime::make<EngButtonEvent>(onClick);
    onDown = runtime::make<EngButtonEvent>();
    onOver = runtime::make<EngButtonEvent>();
    onOut = runtime::make<EngButtonEvent>();
    labelAlphas = {0.8, 1.0, 0.5};
    labelOffsets = {EngPoint::get(0, 0), EngPoint::get(0, 0), EngPoint::get(0, 1)};
    set_status(NORMAL);
    scrollFactor->set(0, 0);
    if (Ref<framework::Stage> stage = rootStage()) {
        stage->addEventListener(framework::MouseEvent::MOUSE_UP, Function::method<&EngTypedButton::onUpEventListener>(this));
        _listening = true;
    }
}

void EngTypedButton::destroy() {
    if (label) label->destroy();
    set_label(nullptr);
    for (Ref<EngButtonEvent>* event : {&onUp, &onDown, &onOver, &onOut}) {
        if (*event) (*event)->destroy();
        *event = nullptr;
    }
    for (const Ref<EngPoint>& offset : labelOffsets)
        if (offset) offset->put();
    labelOffsets.clear();
    labelAlphas.clear();
    _pressedTouch = nullptr;
    if (_listening) {
        if (Ref<framework::Stage> stage = rootStage())
            stage->removeEventListener(framework::MouseEvent::MOUSE_UP,
                                       Function::method<&EngTypedButton::onUpEventListener>(this));
        _listening = false;
    }
    EngSprite::destroy();
}

void EngTypedButton::update() {
    EngSprite::update();
    if (!visible) return;
    updateButton();
    if (animation) animation->set_frameIndex(status);
}

void EngTypedButton::updateButton() {
    if (!EngG::mouse) return;
    for (const Ref<EngCamera>& camera : get_cameras()) {
        if (!camera) continue;
        EngG::mouse->getWorldPosition(camera, _point);
        if (overlapsPoint(_point, true, camera.get())) {
            int state = EngG::mouse->_leftButton->current;
            bool justPressed = state == EngMouseButton::JUST_PRESSED || state == EngMouseButton::FAST_PRESS_RELEASE;
            bool pressed = state > EngMouseButton::RELEASED;
            updateStatus(true, justPressed, pressed, nullptr);
            return;
        }
    }
    updateStatus(false, false, false, nullptr);
}

void EngTypedButton::updateStatus(bool overlap, bool justPressed, bool pressed, const Ref<runtime::Object>& touch) {
    if (overlap) {
        if (justPressed) {
            _pressedTouch = touch;
            if (!touch) _pressedMouse = true;
            onDownHandler();
        } else if (status == NORMAL) {
            if (allowSwiping && pressed) onDownHandler();
            else onOverHandler();
        }
    } else if (status != NORMAL) {
        onOutHandler();
    }
}

void EngTypedButton::onUpEventListener(const Ref<framework::MouseEvent>&) {
    if (visible && exists && active && status == PRESSED) onUpHandler();
}

void EngTypedButton::onUpHandler() {
    Ref<EngTypedButton> keep(this);
    set_status(NORMAL);
    _pressedMouse = false;
    _pressedTouch = nullptr;
    if (Ref<EngButtonEvent> event = onUp) event->fire();
}

void EngTypedButton::onDownHandler() {
    Ref<EngTypedButton> keep(this);
    set_status(PRESSED);
    if (Ref<EngButtonEvent> event = onDown) event->fire();
}

void EngTypedButton::onOverHandler() {
    Ref<EngTypedButton> keep(this);
    set_status(HIGHLIGHT);
    if (Ref<EngButtonEvent> event = onOver) event->fire();
}

void EngTypedButton::onOutHandler() {
    Ref<EngTypedButton> keep(this);
    set_status(NORMAL);
    if (Ref<EngButtonEvent> event = onOut) event->fire();
}

int EngTypedButton::set_status(int code) {
    if (code >= 0 && code < static_cast<int>(labelAlphas.size()) && label)
        label->set_alpha(alpha * labelAlphas[code]);
    status = code;
    return code;
}

double EngTypedButton::set_x(double value) {
    EngSprite::set_x(value);
    if (label && status >= 0 && status < static_cast<int>(labelOffsets.size()))
        label->set_x(x + labelOffsets[status]->x);
    return x;
}

double EngTypedButton::set_y(double value) {
    EngSprite::set_y(value);
    if (label && status >= 0 && status < static_cast<int>(labelOffsets.size()))
        label->set_y(y + labelOffsets[status]->y);
    return y;
}

Ref<EngSprite> EngTypedButton::set_label(const Ref<EngSprite>& sprite) {
    if (sprite) {
        if (sprite->scrollFactor && sprite->scrollFactor != scrollFactor) sprite->scrollFactor->put();
        sprite->scrollFactor = scrollFactor;
    }
    label = sprite;
    return sprite;
}

void EngTypedButton::draw() {
    EngSprite::draw();
    if (label && label->visible) {
        label->set_cameras(_cameras);
        label->draw();
    }
}

}  // namespace engine

using engine::EngTypedButton;

RUNTIME_DEFINE_CLASS(EngTypedButton, "engine.ui.EngTypedButton", engine::EngSprite, (auto& b) {
    b.template field<&EngTypedButton::allowSwiping>("allowSwiping")
        .template field<&EngTypedButton::allowHighlightOnMobile>("allowHighlightOnMobile")
        .template field<&EngTypedButton::status>("status")
        .template field<&EngTypedButton::onUp>("onUp")
        .template field<&EngTypedButton::onDown>("onDown")
        .template field<&EngTypedButton::onOver>("onOver")
        .template field<&EngTypedButton::onOut>("onOut")
        .emptyInstance();
})
