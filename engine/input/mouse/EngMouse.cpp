#include "EngMouse.h"

#include <cmath>

#include "engine/EngCamera.h"
#include "engine/EngG.h"
#include "engine/EngGame.h"
#include "engine/input/mouse/EngMouseButton.h"
#include "engine/input/mouse/GraphicCursor.h"
#include "engine/system/frontEnds/SignalFrontEnd.h"
#include "engine/system/replay/MouseRecord.h"
#include "framework/Lib.h"
#include "framework/assets/Assets.h"
#include "framework/display/Bitmap.h"
#include "framework/display/MovieClip.h"
#include "framework/display/Sprite.h"
#include "framework/display/Stage.h"
#include "framework/events/Event.h"
#include "framework/events/MouseEvent.h"
#include "framework/ui/Mouse.h"

namespace engine {

using runtime::Function;
using runtime::Ref;

EngMouse::EngMouse(const Ref<framework::Sprite>& container) : EngPoint(0, 0), cursorContainer(container) {
    if (container) {
        container->set_mouseChildren(false);
        container->set_mouseEnabled(false);
    }
    _point = EngPoint::get(0, 0);
    _globalScreenPosition = EngPoint::get(0, 0);
    _leftButton = runtime::make<EngMouseButton>(EngMouseButton::LEFT);
    _middleButton = runtime::make<EngMouseButton>(EngMouseButton::MIDDLE);
    _rightButton = runtime::make<EngMouseButton>(EngMouseButton::RIGHT);
    _stage = framework::Lib::get_current()->get_stage();
    listen(true);
    if (EngG::signals) EngG::signals->gameStarted->add(Function::method<&EngMouse::onGameStart>(this));
    framework::Mouse::hide();
}

void EngMouse::listen(bool add) {
    Ref<framework::Stage> stage = _stage.lock();
    if (!stage) return;
    using framework::MouseEvent;
    const std::pair<runtime::String, Ref<Function>> listeners[] = {
        {MouseEvent::MOUSE_DOWN, Function::method<&EngMouseButton::onDown>(_leftButton.get())},
        {MouseEvent::MOUSE_UP, Function::method<&EngMouseButton::onUp>(_leftButton.get())},
        {MouseEvent::MIDDLE_MOUSE_DOWN, Function::method<&EngMouseButton::onDown>(_middleButton.get())},
        {MouseEvent::MIDDLE_MOUSE_UP, Function::method<&EngMouseButton::onUp>(_middleButton.get())},
        {MouseEvent::RIGHT_MOUSE_DOWN, Function::method<&EngMouseButton::onDown>(_rightButton.get())},
        {MouseEvent::RIGHT_MOUSE_UP, Function::method<&EngMouseButton::onUp>(_rightButton.get())},
        {framework::Event::MOUSE_LEAVE, Function::method<&EngMouse::onMouseLeave>(this)},
        {MouseEvent::MOUSE_WHEEL, Function::method<&EngMouse::onMouseWheel>(this)},
    };
    for (const auto& [type, listener] : listeners) {
        if (add) stage->addEventListener(type, listener);
        else stage->removeEventListener(type, listener);
    }
}

void EngMouse::destroy() {
    // The buttons are still there, so the listeners compare equal to those added.
    if (_leftButton && _middleButton && _rightButton) listen(false);
    if (_point) _point->put();
    if (_globalScreenPosition) _globalScreenPosition->put();
    _point = nullptr;
    _globalScreenPosition = nullptr;
    cursorContainer = nullptr;
    _cursor = nullptr;
    for (Ref<EngMouseButton>* button : {&_leftButton, &_middleButton, &_rightButton}) {
        if (*button) (*button)->destroy();
        *button = nullptr;
    }
    if (_cursorBitmapData) _cursorBitmapData->dispose();
    _cursorBitmapData = nullptr;
    if (EngG::signals) EngG::signals->gameStarted->remove(Function::method<&EngMouse::onGameStart>(this));
}

void EngMouse::setCursor(const Ref<framework::Bitmap>& cursor, double scale, double xOffset, double yOffset) {
    _cursor = cursor;
    if (!_cursor) return;
    _cursor->set_x(xOffset);
    _cursor->set_y(yOffset);
    _cursor->set_scaleX(scale);
    _cursor->set_scaleY(scale);
    if (Ref<framework::Sprite> container = cursorContainer.lock()) container->addChild(_cursor);
}

void EngMouse::load(const runtime::Value& graphic, double scale, double xOffset, double yOffset) {
    Ref<framework::Sprite> container = cursorContainer.lock();
    if (_cursor && container) container->removeChild(_cursor);
    Ref<framework::BitmapData> data;
    if (auto* bitmapData = graphic.as<framework::BitmapData>()) data = Ref<framework::BitmapData>(bitmapData);
    else if (graphic.isString()) data = framework::Assets::getBitmapData(graphic.toStringValue(), false);
    else data = runtime::make<GraphicCursor>(0, 0);
    setCursor(runtime::make<framework::Bitmap>(data), scale, xOffset, yOffset);
}

void EngMouse::load(const runtime::ClassInfo* graphicClass, double scale, double xOffset, double yOffset) {
    if (!graphicClass) {
        load(runtime::Value(), scale, xOffset, yOffset);
        return;
    }
    Ref<framework::Sprite> container = cursorContainer.lock();
    if (_cursor && container) container->removeChild(_cursor);
    Ref<runtime::Object> made = graphicClass->create(nullptr, 0);
    setCursor(Ref<framework::Bitmap>(dynamic_cast<framework::Bitmap*>(made.get())), scale, xOffset, yOffset);
}

void EngMouse::unload() {
    if (!_cursor) return;
    Ref<framework::Sprite> container = cursorContainer.lock();
    if (container && container->get_visible()) {
        load();
    } else {
        if (container) container->removeChild(_cursor);
        _cursor = nullptr;
    }
}

Ref<EngPoint> EngMouse::getScreenPosition(const Ref<EngCamera>& cameraArg, Ref<EngPoint> point) {
    Ref<EngCamera> camera = cameraArg ? cameraArg : EngG::camera;
    if (!point) point = EngPoint::get(0, 0);
    if (!camera || !_globalScreenPosition) return point;
    point->set_x((_globalScreenPosition->x - camera->x) / camera->zoom);
    point->set_y((_globalScreenPosition->y - camera->y) / camera->zoom);
    return point;
}

Ref<EngPoint> EngMouse::getWorldPosition(const Ref<EngCamera>& cameraArg, Ref<EngPoint> point) {
    Ref<EngCamera> camera = cameraArg ? cameraArg : EngG::camera;
    if (!point) point = EngPoint::get(0, 0);
    if (!camera || !_point) return point;
    getScreenPosition(camera, _point);
    point->set_x(_point->x + camera->scroll->x);
    point->set_y(_point->y + camera->scroll->y);
    return point;
}

void EngMouse::setGlobalScreenPositionUnsafe(double px, double py) {
    if (_globalScreenPosition) _globalScreenPosition->set(px, py);
}

void EngMouse::reset() {
    for (EngMouseButton* button : {_leftButton.get(), _middleButton.get(), _rightButton.get()})
        if (button) button->reset();
}

void EngMouse::update() {
    if (!_globalScreenPosition) return;  // destroyed
    if (EngG::game) {
        _globalScreenPosition->set_x(static_cast<int>(std::floor(EngG::game->get_mouseX())));
        _globalScreenPosition->set_y(static_cast<int>(std::floor(EngG::game->get_mouseY())));
    }
    if (visible) {
        if (Ref<framework::Sprite> container = cursorContainer.lock()) {
            container->set_x(_globalScreenPosition->x);
            container->set_y(_globalScreenPosition->y);
        }
    }
    updateCursor();
    _leftButton->update();
    _middleButton->update();
    _rightButton->update();
    bool used = _wheelUsed;
    _wheelUsed = false;
    if (!used) wheel = 0;
}

void EngMouse::onFocus() {
    reset();
    set_useSystemCursor(useSystemCursor);
    set_visible(_visibleWhenFocusLost);
}

void EngMouse::onFocusLost() {
    _visibleWhenFocusLost = visible;
    if (visible) set_visible(false);
    framework::Mouse::show();
}

void EngMouse::onGameStart() { set_visible(visible); }

void EngMouse::updateCursor() {
    if (!_point) return;
    getScreenPosition(nullptr, _point);
    screenX = static_cast<int>(std::trunc(_point->x));
    screenY = static_cast<int>(std::trunc(_point->y));
    getWorldPosition(nullptr, Ref<EngPoint>(this));
}

void EngMouse::onMouseWheel(const Ref<framework::MouseEvent>& event) {
    _wheelUsed = true;
    wheel = event ? event->delta : 0;
}

void EngMouse::onMouseLeave(const Ref<framework::Event>&) {
    _rightButton->onUp(nullptr);
    _middleButton->onUp(nullptr);
}

bool EngMouse::get_pressed() { return _leftButton->pressed(); }
bool EngMouse::get_justPressed() { return _leftButton->justPressed(); }
bool EngMouse::get_justReleased() { return _leftButton->justReleased(); }
bool EngMouse::get_pressedRight() { return _rightButton->pressed(); }
bool EngMouse::get_justPressedRight() { return _rightButton->justPressed(); }
bool EngMouse::get_justReleasedRight() { return _rightButton->justReleased(); }
bool EngMouse::get_pressedMiddle() { return _middleButton->pressed(); }
bool EngMouse::get_justPressedMiddle() { return _middleButton->justPressed(); }
bool EngMouse::get_justReleasedMiddle() { return _middleButton->justReleased(); }

void EngMouse::showSystemCursor() {
    framework::Mouse::show();
    if (Ref<framework::Sprite> container = cursorContainer.lock()) container->set_visible(false);
}

void EngMouse::hideSystemCursor() {
    framework::Mouse::hide();
    if (visible)
        if (Ref<framework::Sprite> container = cursorContainer.lock()) container->set_visible(true);
}

bool EngMouse::set_useSystemCursor(bool value) {
    if (value) showSystemCursor();
    else hideSystemCursor();
    useSystemCursor = value;
    return value;
}

bool EngMouse::set_visible(bool value) {
    Ref<framework::Sprite> container = cursorContainer.lock();
    if (value) {
        if (useSystemCursor) {
            framework::Mouse::show();
        } else {
            if (!_cursor) load();
            if (container) container->set_visible(true);
            framework::Mouse::hide();
        }
    } else {
        if (container) container->set_visible(false);
        framework::Mouse::hide();
    }
    visible = value;
    return value;
}

Ref<MouseRecord> EngMouse::record() {
    if (!_globalScreenPosition) return nullptr;
    if (_lastX == _globalScreenPosition->x && _lastY == _globalScreenPosition->y &&
        _leftButton->current == EngMouseButton::RELEASED && _lastWheel == wheel)
        return nullptr;
    _lastX = static_cast<int>(std::floor(_globalScreenPosition->x));
    _lastY = static_cast<int>(std::floor(_globalScreenPosition->y));
    _lastWheel = wheel;
    return runtime::make<MouseRecord>(_lastX, _lastY, _leftButton->current, _lastWheel);
}

void EngMouse::playback(const Ref<MouseRecord>& rec) {
    if (!rec || !_globalScreenPosition) return;
    _leftButton->current = rec->button;
    wheel = rec->wheel;
    _globalScreenPosition->set_x(rec->x);
    _globalScreenPosition->set_y(rec->y);
    updateCursor();
}

}  // namespace engine

using engine::EngMouse;

RUNTIME_DEFINE_CLASS(EngMouse, "engine.input.mouse.EngMouse", engine::EngPoint, (auto& b) {
    b.template field<&EngMouse::wheel>("wheel")
        .template field<&EngMouse::screenX>("screenX")
        .template field<&EngMouse::screenY>("screenY")
        .template property<&EngMouse::get_visible, &EngMouse::set_visible>("visible")
        .template property<&EngMouse::get_useSystemCursor, &EngMouse::set_useSystemCursor>("useSystemCursor")
        .template readOnlyProperty<&EngMouse::get_pressed>("pressed")
        .template readOnlyProperty<&EngMouse::get_justPressed>("justPressed")
        .template readOnlyProperty<&EngMouse::get_justReleased>("justReleased")
        .template readOnlyProperty<&EngMouse::get_pressedRight>("pressedRight")
        .template readOnlyProperty<&EngMouse::get_justPressedRight>("justPressedRight")
        .template readOnlyProperty<&EngMouse::get_justReleasedRight>("justReleasedRight")
        .template readOnlyProperty<&EngMouse::get_pressedMiddle>("pressedMiddle")
        .template readOnlyProperty<&EngMouse::get_justPressedMiddle>("justPressedMiddle")
        .template readOnlyProperty<&EngMouse::get_justReleasedMiddle>("justReleasedMiddle")
        .template method<&EngMouse::reset>("reset")
        .template method<&EngMouse::update>("update")
        .emptyInstance();
})
