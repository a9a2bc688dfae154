#include "Window.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "engine/EngG.h"
#include "engine/system/EngAssets.h"
#include "engine/system/debug/GraphicCloseButton.h"
#include "engine/system/debug/GraphicWindowHandle.h"
#include "engine/ui/EngSystemButton.h"
#include "engine/util/EngSave.h"
#include "framework/Lib.h"
#include "framework/display/MovieClip.h"
#include "framework/display/Stage.h"
#include "framework/events/Event.h"
#include "framework/events/MouseEvent.h"
#include "framework/text/TextFormat.h"
#include "platform/runtime/Array.h"
#include "platform/runtime/Numbers.h"

namespace engine {

using framework::Bitmap;
using framework::BitmapData;
using framework::MouseEvent;
using runtime::Function;
using runtime::Ref;

namespace {

int truncAbs(double v) { return runtime::Numbers::floatToInt(std::fabs(v)); }

Ref<Bitmap> filledStrip(int width, int height, int color) {
    return runtime::make<Bitmap>(runtime::make<BitmapData>(width, height, true, color));
}

}  // namespace

Window::Window(const runtime::String& title, const Ref<BitmapData>& icon, double width, double height, bool resizable,
               const Ref<framework::Rectangle>& bounds, bool closable)
    : framework::Sprite("Window") {
    minSize = runtime::make<framework::Point>(50, 30);
    _width = truncAbs(width);
    _height = truncAbs(height);
    updateBounds(bounds);
    _drag = runtime::make<framework::Point>(0, 0);
    _resizable = resizable;
    _shadow = filledStrip(1, 2, static_cast<int>(0xFF000000));
    _background = filledStrip(1, 1, BG_COLOR);
    _header = filledStrip(1, HEADER_HEIGHT, HEADER_COLOR);
    _background->set_y(HEADER_HEIGHT);
    _title = runtime::make<framework::TextField>();
    _title->set_x(2);
    _title->set_y(-1);
    _title->set_alpha(HEADER_ALPHA);
    _title->set_height(20);
    _title->set_selectable(false);
    _title->set_multiline(false);
    _title->set_embedFonts(true);
    _title->set_defaultTextFormat(runtime::make<framework::TextFormat>(EngAssets::FONT_DEBUGGER, 12, 0xFFFFFF));
    _title->set_text(title);
    addChild(_shadow);
    addChild(_background);
    addChild(_header);
    addChild(_title);
    if (icon) {
        auto iconBitmap = runtime::make<Bitmap>(icon);
        iconBitmap->set_x(5);
        iconBitmap->set_y(2);
        iconBitmap->set_alpha(HEADER_ALPHA);
        _title->set_x(iconBitmap->get_x() + iconBitmap->get_width() + 2);
        addChild(iconBitmap);
    }
    if (resizable) {
        _handle = runtime::make<Bitmap>(runtime::make<GraphicWindowHandle>(0, 0));
        addChild(_handle);
    }
    if (closable) {
        _closeButton = runtime::make<EngSystemButton>(runtime::make<GraphicCloseButton>(0, 0),
                                                      Function::method<&Window::close>(this));
        _closeButton->set_alpha(HEADER_ALPHA);
        addChild(_closeButton);
    } else {
        _id = WINDOW_AMOUNT;
        loadSaveData();
        ++WINDOW_AMOUNT;
    }
    if (_width != 0 || _height != 0) updateSize();
    bound();
    addEventListener(framework::Event::ENTER_FRAME, Function::method<&Window::init>(this));
}

Window::~Window() {
    if (_closeButton) _closeButton->destroy();
}

void Window::destroy() {
    minSize = nullptr;
    maxSize = nullptr;
    _bounds = nullptr;
    for (Ref<framework::DisplayObject> child :
         {Ref<framework::DisplayObject>(_shadow), Ref<framework::DisplayObject>(_background),
          Ref<framework::DisplayObject>(_header), Ref<framework::DisplayObject>(_title),
          Ref<framework::DisplayObject>(_handle)})
        if (child) removeChild(child);
    _shadow = nullptr;
    _background = nullptr;
    _header = nullptr;
    _title = nullptr;
    _handle = nullptr;
    _drag = nullptr;
    if (_closeButton) {
        _closeButton->destroy();
        _closeButton = nullptr;
    }
    removeEventListener(framework::Event::ENTER_FRAME, Function::method<&Window::init>(this));
    if (Ref<framework::Stage> stage = framework::Lib::get_current()->get_stage()) {
        if (stage->hasEventListener(MouseEvent::MOUSE_MOVE))
            stage->removeEventListener(MouseEvent::MOUSE_MOVE, Function::method<&Window::onMouseMove>(this));
        if (stage->hasEventListener(MouseEvent::MOUSE_UP))
            stage->removeEventListener(MouseEvent::MOUSE_UP, Function::method<&Window::onMouseUp>(this));
    }
    if (hasEventListener(MouseEvent::MOUSE_DOWN))
        removeEventListener(MouseEvent::MOUSE_DOWN, Function::method<&Window::onMouseDown>(this));
}

void Window::resize(double width, double height) {
    _width = truncAbs(width);
    _height = truncAbs(height);
    updateSize();
}

void Window::reposition(double x, double y) {
    set_x(x);
    set_y(y);
    bound();
}

void Window::updateBounds(const Ref<framework::Rectangle>& bounds) {
    _bounds = bounds;
    maxSize = bounds ? runtime::make<framework::Point>(bounds->width, bounds->height)
                     : runtime::make<framework::Point>(1.79e308, 1.79e308);
}

Ref<runtime::Array> Window::settings() const {
    if (!EngG::save || !EngG::save->data) return nullptr;
    return Ref<runtime::Array>(EngG::save->data->getField("windowSettings").as<runtime::Array>());
}

void Window::setVisible(bool value) {
    set_visible(value);
    if (Ref<runtime::Array> entries = settings()) {
        entries->set(_id, runtime::Value(value));
        EngG::save->flush();
    }
    if (toggleButton) toggleButton->set_toggled(!value);
    if (value) putOnTop();
}

void Window::toggleVisible() { setVisible(!get_visible()); }

void Window::putOnTop() {
    if (Ref<framework::DisplayObjectContainer> parent = get_parent()) parent->addChild(Ref<Window>(this));
}

void Window::loadSaveData() {
    if (!EngG::save || !EngG::save->data) return;
    if (EngG::save->data->getField("windowSettings").isNull()) {
        initSaveData();
        if (EngG::save->data->getField("windowSettings").isNull()) return;
        loadSaveData();
        return;
    }
    Ref<runtime::Array> entries = settings();
    set_visible(entries && entries->at(_id).isBool() && entries->at(_id).toBool());
}

void Window::initSaveData() {
    if (!EngG::save || !EngG::save->data) return;
    auto entries = runtime::make<runtime::Array>(std::vector<runtime::Value>(10, runtime::Value(true)));
    EngG::save->data->setField("windowSettings", runtime::Value(entries));
    EngG::save->flush();
}

void Window::init(const Ref<framework::Event>&) {
    Ref<framework::Stage> stage = get_stage();
    if (!stage) return;
    removeEventListener(framework::Event::ENTER_FRAME, Function::method<&Window::init>(this));
    stage->addEventListener(MouseEvent::MOUSE_MOVE, Function::method<&Window::onMouseMove>(this));
    stage->addEventListener(MouseEvent::MOUSE_UP, Function::method<&Window::onMouseUp>(this));
    addEventListener(MouseEvent::MOUSE_DOWN, Function::method<&Window::onMouseDown>(this));
}

void Window::onMouseMove(const Ref<MouseEvent>&) {
    Ref<framework::DisplayObjectContainer> parent = get_parent();
    double mx = std::max(0.0, get_mouseX());
    double my = std::max(0.0, get_mouseY());
    if (!parent || !parent->get_visible()) {
        _overHeader = false;
        _overHandle = false;
        return;
    }
    if (_dragging) {
        _overHeader = true;
        reposition(parent->get_mouseX() - _drag->x, parent->get_mouseY() - _drag->y);
        return;
    }
    if (_resizing) {
        _overHandle = true;
        resize(mx + _drag->x, my + _drag->y);
        return;
    }
    if (mx <= _width && my <= _height) {
        _overHeader = mx <= headerWidth() && my <= HEADER_HEIGHT;
        if (_resizable) _overHandle = mx >= _width - gripWidth() && my >= _height - gripHeight();
        return;
    }
    _overHeader = false;
    _overHandle = false;
}

void Window::onMouseDown(const Ref<MouseEvent>&) {
    if (_overHeader) {
        putOnTop();
        _dragging = true;
        _drag->x = get_mouseX();
        _drag->y = get_mouseY();
    } else if (_overHandle) {
        putOnTop();
        _resizing = true;
        _drag->x = _width - get_mouseX();
        _drag->y = _height - get_mouseY();
    }
}

void Window::onMouseUp(const Ref<MouseEvent>&) {
    _dragging = false;
    _resizing = false;
}

double Window::headerWidth() { return _header->get_scaleX(); }

int Window::gripWidth() { return _handle ? _handle->get_bitmapData()->get_width() : 0; }

int Window::gripHeight() { return _handle ? _handle->get_bitmapData()->get_height() : 0; }

void Window::bound() {
    if (!_bounds) return;
    set_x(std::min(_bounds->get_right() - _width, std::max(_bounds->get_left(), get_x())));
    set_y(std::min(_bounds->get_bottom() - _height, std::max(_bounds->get_top(), get_y())));
}

void Window::updateSize() {
    _width = runtime::Numbers::floatToInt(std::min(maxSize->x, std::max(minSize->x, static_cast<double>(_width))));
    _height = runtime::Numbers::floatToInt(std::min(maxSize->y, std::max(minSize->y, static_cast<double>(_height))));
    _header->set_scaleX(_width);
    _background->set_scaleX(_width);
    _background->set_scaleY(_height - HEADER_HEIGHT);
    _shadow->set_scaleX(_width);
    _shadow->set_y(_height);
    _title->set_width(_width - 4);
    if (_resizable) {
        _handle->set_x(_width - gripWidth());
        _handle->set_y(_height - gripHeight());
    }
    if (_closeButton) {
        _closeButton->set_x(_width - _closeButton->get_width() - 3);
        _closeButton->set_y(3);
    }
}

}  // namespace engine

using engine::Window;

RUNTIME_DEFINE_CLASS(Window, "engine.system.debug.Window", framework::Sprite, (auto& b) {
    b.template field<&Window::minSize>("minSize")
        .template field<&Window::maxSize>("maxSize")
        .template field<&Window::toggleButton>("toggleButton")
        .template field<&Window::_width>("_width")
        .template field<&Window::_height>("_height")
        .template field<&Window::_id>("_id")
        .template staticField<&Window::WINDOW_AMOUNT>("WINDOW_AMOUNT")
        .template method<&Window::destroy>("destroy")
        .template method<&Window::toggleVisible>("toggleVisible")
        .template method<&Window::close>("close")
        .emptyInstance();
})
