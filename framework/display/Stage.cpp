#include "Stage.h"

#include <algorithm>
#include <span>

#include "Sprite.h"
#include "framework/Lib.h"
#include "framework/display3D/Stage3D.h"
#include "framework/events/FocusEvent.h"
#include "framework/events/JoystickEvent.h"
#include "framework/events/KeyboardEvent.h"
#include "framework/events/SystemEvent.h"
#include "framework/events/TouchEvent.h"
#include "framework/media/SoundChannel.h"
#include "framework/net/URLLoader.h"
#include "framework/system/ScreenMode.h"
#include "framework/utils/Timer.h"
#include "platform/media/MediaRecords.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/Numbers.h"

namespace framework {

using runtime::Ref;
using runtime::Value;
using media::MediaRecords;
using media::RecordField;

// The bits key input reads have fixed values.
static_assert(MediaRecords::efShiftDown == 2 && MediaRecords::efCtrlDown == 4 && MediaRecords::efAltDown == 8 &&
              MediaRecords::efLocationRight == 0x4000);

void Stage::initClass() {
    static const bool done = [] {
#define FRAMEWORK_LOAD_SLOT(slot, primitive) slot = MEDIA_LOAD(primitive);
        FRAMEWORK_STAGE_PRIMITIVES(FRAMEWORK_LOAD_SLOT)
#undef FRAMEWORK_LOAD_SLOT
        getOrientation = runtime::Function::of([]() { return media_stage_get_orientation().toInt(); });
        getNormalOrientation = runtime::Function::of([]() { return media_stage_get_normal_orientation().toInt(); });
        shouldRotateInterface = runtime::Function::of([](int orientation) { return orientation == OrientationPortrait; });
        return true;
    }();
    (void)done;
}

void Stage::setFixedOrientation(int orientation) {
    initClass();
    media_stage_set_fixed_orientation(orientation);
}

Stage::Stage(const Value& handle, int width, int height) : DisplayObjectContainer(handle, "Stage") {
    initClass();
    active = true;
    pauseWhenDeactivated = true;
    allowsFullScreen = true;
    renderRequest = nullptr;
    media_set_stage_handler(handle_, runtime::Function::method<&Stage::processStageEvent_>(this), width, height);
    lastRender_ = 0;
    invalid_ = false;
    nextRender_ = 0;
    lastClickTime_ = 0;
    set_frameRate(100);
    stage3Ds = runtime::make<runtime::Array>();
    stage3Ds->push(Value(runtime::make<Stage3D>()));
}

Stage::~Stage() = default;

// ---- the pump ----

Value Stage::processStageEvent_(const Value& event) {
    doProcessStageEvent_(event);
    return Value();
}

double Stage::doProcessStageEvent_(const Value& event) {
    Ref<Stage> keep(this);
    int code = MediaRecords::type(event);
    try {
        switch (code) {
            case etKeyDown: onKey_(event, "keyDown"); break;
            case etChar:
                if (onKey) (*onKey)(MediaRecords::get(event, RecordField::code), MediaRecords::get(event, RecordField::down), MediaRecords::get(event, RecordField::character), MediaRecords::get(event, RecordField::flags));
                break;
            case etKeyUp: onKey_(event, "keyUp"); break;
            case etMouseMove: onMouse_(event, "mouseMove", true); break;
            case etMouseDown: onMouse_(event, "mouseDown", true); break;
            case etMouseClick: onMouse_(event, "click", true); break;
            case etMouseUp: onMouse_(event, "mouseUp", true); break;
            case etResize:
                onResize_(MediaRecords::getFloat(event, RecordField::x), MediaRecords::getFloat(event, RecordField::y));
                if (!renderRequest) render_(false);
                break;
            case etPoll: pollTimers_(); break;
            case etQuit:
                if (onQuit) (*onQuit)();
                break;
            case etFocus: onFocus_(event); break;
            case etShouldRotate:
                if (runtime::call(shouldRotateInterface, MediaRecords::get(event, RecordField::value)).toBool()) MediaRecords::set(event, RecordField::result, Value(2));
                break;
            case etRedraw: render_(true); break;
            case etTouchBegin: {
                auto info = runtime::make<TouchInfo>();
                touchInfo_[MediaRecords::getInt(event, RecordField::value)] = info;
                onTouch_(event, "touchBegin", info);
                if (MediaRecords::getInt(event, RecordField::flags) & efPrimaryTouch) onMouse_(event, "mouseDown", false);
                break;
            }
            case etTouchMove: {
                auto it = touchInfo_.find(MediaRecords::getInt(event, RecordField::value));
                onTouch_(event, "touchMove", it == touchInfo_.end() ? nullptr : it->second);
                if (MediaRecords::getInt(event, RecordField::flags) & efPrimaryTouch) onMouse_(event, "mouseMove", false);
                break;
            }
            case etTouchEnd: {
                int id = MediaRecords::getInt(event, RecordField::value);
                auto it = touchInfo_.find(id);
                onTouch_(event, "touchEnd", it == touchInfo_.end() ? nullptr : it->second);
                touchInfo_.erase(id);
                if (MediaRecords::getInt(event, RecordField::flags) & efPrimaryTouch) onMouse_(event, "mouseUp", false);
                break;
            }
            case etChange: onChange_(event); break;
            case etActivate: setActive_(true); break;
            case etDeactivate: setActive_(false); break;
            case etGotInputFocus: dispatchEvent_(runtime::make<Event>("focusIn", false, false)); break;
            case etLostInputFocus: dispatchEvent_(runtime::make<Event>("focusOut", false, false)); break;
            case etJoyAxisMove: onJoystick_(event, "axisMove"); break;
            case etJoyBallMove: onJoystick_(event, "ballMove"); break;
            case etJoyHatMove: onJoystick_(event, "hatMove"); break;
            case etJoyButtonDown: onJoystick_(event, "buttonDown"); break;
            case etJoyButtonUp: onJoystick_(event, "buttonUp"); break;
            case etJoyDeviceAdded: onJoystick_(event, "deviceAdded"); break;
            case etJoyDeviceRemoved: onJoystick_(event, "deviceRemoved"); break;
            case etSysWM: onSysWM_(event); break;
            case etRenderContextLost: onRenderContext_(false); break;
            case etRenderContextRestored: onRenderContext_(true); break;
            default: break;
        }
    } catch (const runtime::Thrown& t) {
        runtime::Thrown::Scope scope(std::current_exception());
        Lib::rethrow(t.value());
    } catch (const std::exception& e) {
        Lib::rethrow(Value(std::string(e.what())));
    }
    return updateNextWake_();
}

void Stage::pollTimers_() {
    if (exiting_) return;
    Timer::checkTimers_();
    SoundChannel::pollComplete_();
    URLLoader::pollData_();
    checkRender_();
}

void Stage::checkRender_() {
    if (!(frameRate > 0)) return;
    double now = Timer::stamp();
    if (now < nextRender_) return;
    lastRender_ = now;
    while (nextRender_ < lastRender_) nextRender_ += framePeriod_;
    if (renderRequest) (*renderRequest)();
    else render_(true);
}

void Stage::render_(bool sendEnterFrame) {
    if (!active) return;
    if (sendEnterFrame) broadcast_(runtime::make<Event>(Event::ENTER_FRAME, false, false));
    if (invalid_) {
        invalid_ = false;
        broadcast_(runtime::make<Event>(Event::RENDER, false, false));
    }
    media_render_stage(handle_);
}

double Stage::nextFrameDue_(double otherTimers) {
    if ((!active && pauseWhenDeactivated) || !(frameRate > 0)) return otherTimers;
    double until = nextRender_ - Timer::stamp();
    double next = until - earlyWakeup_;
    // Woken early, the stage sleeps the rest of the way to the frame instead of polling for it.
    if (next <= 0 && until > 0) next = until;
    return otherTimers > next ? next : otherTimers;
}

double Stage::updateNextWake_() {
    double wake = Timer::nextWake_(315000000);
    if (wake > 0.001 && SoundChannel::dynamicSoundCount_ > 0) {
        wake = 0.001;
    } else if (wake > 0.02 && (SoundChannel::completePending_() || URLLoader::loadPending_())) {
        wake = (!active && pauseWhenDeactivated) ? 0.5 : 0.02;
    }
    wake = nextFrameDue_(wake);
    media_stage_set_next_wake(handle_, wake);
    return wake;
}

void Stage::setActive_(bool newActive) {
    if (active == newActive) return;
    active = newActive;
    if (!active) {
        lastRender_ = Timer::stamp();
        nextRender_ = lastRender_ + framePeriod_;
    }
    broadcast_(runtime::make<Event>(active ? Event::ACTIVATE : Event::DEACTIVATE, false, false));
    if (active) pollTimers_();
}

void Stage::onChange_(const Value& event) {
    if (DisplayObject* obj = findByID_(MediaRecords::getInt(event, RecordField::id)))
        Ref<DisplayObject>(obj)->fireEvent_(runtime::make<Event>(Event::CHANGE, true, false));
}

void Stage::onResize_(double, double) { dispatchEvent_(runtime::make<Event>(Event::RESIZE, false, false)); }

void Stage::onRenderContext_(bool restored) {
    // Every display object on the stage hears it, GL views included.
    broadcast_(runtime::make<Event>(restored ? "glcontextrestored" : "glcontextlost", false, false));
}

void Stage::onSysWM_(const Value& event) {
    dispatchEvent_(runtime::make<SystemEvent>(SystemEvent::SYSTEM, false, false, MediaRecords::getInt(event, RecordField::value)));
}

// ---- input ----

namespace {

bool isOneOf(const runtime::String& type, const runtime::String (&names)[3]) {
    return type == names[0] || type == names[1] || type == names[2];
}

// Live entries of a stored chain; an object that has gone reads as null.
Stage::Chain lockChain(const std::vector<runtime::Weak<InteractiveObject>>& stored) {
    Stage::Chain out;
    out.reserve(stored.size());
    for (const auto& w : stored) out.push_back(w.lock());
    return out;
}

std::vector<runtime::Weak<InteractiveObject>> weakChain(const Stage::Chain& chain) {
    return {chain.begin(), chain.end()};
}

}  // namespace

Stage::Chain Stage::interactiveChain_(const Value& event) {
    Chain chain;
    DisplayObject* found = findByID_(MediaRecords::getInt(event, RecordField::id));
    if (!found) return chain;
    std::vector<Ref<DisplayObject>> stack;
    Ref<DisplayObject>(found)->getInteractiveObjectStack_(stack);
    chain.reserve(stack.size());
    for (const auto& o : stack) chain.push_back(Ref<InteractiveObject>(o->asInteractiveObject_()));
    return chain;
}

void Stage::onMouse_(const Value& event, const runtime::String& requested, bool fromMouse) {
    Ref<Stage> keep(this);
    runtime::String type = requested;
    int button = fromMouse ? MediaRecords::getInt(event, RecordField::value) : 0;
    int wheel = 0;
    if (type == sDownEvents[0]) {
        // Buttons above 2 have no down events; a negative number names no button at all.
        if (button > 2 || button < 0) return;
        type = sDownEvents[button];
    } else if (type == sUpEvents[0]) {
        if (button < 0) return;
        if (button > 2) {
            type = MouseEvent::MOUSE_WHEEL;
            wheel = button == 3 ? 1 : -1;
        } else {
            type = sUpEvents[button];
        }
    }
    double x = MediaRecords::getFloat(event, RecordField::x), y = MediaRecords::getFloat(event, RecordField::y);
    if (dragObject_) drag_(runtime::make<Point>(x, y));

    Chain chain = interactiveChain_(event);
    bool track = fromMouse || (MediaRecords::getInt(event, RecordField::flags) & efPrimaryTouch);
    Ref<Point> local;
    if (!chain.empty()) {
        Ref<InteractiveObject> target = chain.front();
        std::reverse(chain.begin(), chain.end());
        local = target->globalToLocal(runtime::make<Point>(x, y));
        auto evt = MouseEvent::create_(type, event, local, target);
        evt->delta = wheel;
        if (track) checkInOuts_(evt, chain);
        target->fireEventAlong_(evt, std::span(chain).first(chain.size() - 1), false);
    } else {
        local = runtime::make<Point>(x, y);
        auto evt = MouseEvent::create_(type, event, local, nullptr);
        evt->delta = wheel;
        if (track) checkInOuts_(evt, chain);
    }

    Ref<InteractiveObject> clickObject = chain.empty() ? Ref<InteractiveObject>(this) : chain.back();
    // The click object's ancestors, outermost first: the chain without its target.
    std::span<const Ref<InteractiveObject>> above = chain.empty() ? std::span<const Ref<InteractiveObject>>()
                                                                   : std::span(chain).first(chain.size() - 1);
    auto slot = static_cast<std::size_t>(button);
    if (isOneOf(type, sDownEvents)) {
        if (lastDown_.size() <= slot) lastDown_.resize(slot + 1);
        lastDown_[slot] = clickObject;
        return;
    }
    if (!isOneOf(type, sUpEvents)) return;
    if (slot < lastDown_.size() && lastDown_[slot].get() == clickObject.get()) {
        clickObject->fireEventAlong_(MouseEvent::create_(sClickEvents[button], event, local, clickObject), above, false);
        if (button == 0 && clickObject->doubleClickEnabled) {
            int now = Lib::getTimer();
            if (now - lastClickTime_ < 500) {
                clickObject->fireEventAlong_(MouseEvent::create_(MouseEvent::DOUBLE_CLICK, event, local, clickObject),
                                             above, false);
                lastClickTime_ = 0;
            } else {
                lastClickTime_ = now;
            }
        }
    }
    if (slot < lastDown_.size()) lastDown_[slot] = nullptr;
}

void Stage::checkInOuts_(const Ref<MouseEvent>& event, const Chain& chain, const Ref<TouchInfo>& info) {
    std::vector<runtime::Weak<InteractiveObject>>& stored = info ? info->touchOverObjects : mouseOverObjects_;
    const runtime::String(&names)[4] = info ? touchChanges_ : mouseChanges_;
    Chain previous = lockChain(stored);
    Ref<InteractiveObject> newObject = chain.empty() ? nullptr : chain.back();
    Ref<InteractiveObject> oldObject = previous.empty() ? nullptr : previous.back();
    if (newObject.get() == oldObject.get()) return;

    if (oldObject) oldObject->fireEvent_(event->createSimilar_(names[0], newObject, oldObject));
    if (newObject)
        newObject->fireEventAlong_(event->createSimilar_(names[1], newObject, newObject),
                                   std::span(chain).first(chain.size() - 1), false);

    std::size_t common = 0;
    while (common < previous.size() && common < chain.size() && previous[common].get() == chain[common].get()) ++common;

    auto rollOut = event->createSimilar_(names[2], newObject, oldObject);
    for (std::size_t i = previous.size(); i-- > common;)
        if (previous[i]) previous[i]->dispatchEvent_(rollOut);
    auto rollOver = event->createSimilar_(names[3], oldObject, nullptr);
    for (std::size_t i = chain.size(); i-- > common;) chain[i]->dispatchEvent_(rollOver);

    stored = weakChain(chain);
}

void Stage::onTouch_(const Value& event, const runtime::String& type, const Ref<TouchInfo>& info) {
    Ref<Stage> keep(this);
    double x = MediaRecords::getFloat(event, RecordField::x), y = MediaRecords::getFloat(event, RecordField::y);
    Chain chain = interactiveChain_(event);
    Ref<InteractiveObject> target;
    Ref<Point> local;
    if (!chain.empty()) {
        target = chain.front();
        std::reverse(chain.begin(), chain.end());
        local = target->globalToLocal(runtime::make<Point>(x, y));
    } else {
        local = runtime::make<Point>(x, y);
    }
    auto evt = TouchEvent::create_(type, event, local, target, MediaRecords::getFloat(event, RecordField::scaleX),
                                   MediaRecords::getFloat(event, RecordField::scaleY));
    evt->touchPointID = MediaRecords::getInt(event, RecordField::value);
    evt->isPrimaryTouchPoint = (MediaRecords::getInt(event, RecordField::flags) & efPrimaryTouch) != 0;
    checkInOuts_(evt, chain, info);
    if (target) target->fireEventAlong_(evt, std::span(chain).first(chain.size() - 1), false);
}

void Stage::startDrag_(Sprite* sprite, bool lockCenter, const Ref<Rectangle>& bounds) {
    dragBounds_ = bounds ? bounds->clone() : nullptr;
    dragObject_ = sprite;
    if (!sprite) return;
    if (lockCenter) {
        dragOffsetX_ = -sprite->get_width() / 2;
        dragOffsetY_ = -sprite->get_height() / 2;
        return;
    }
    Ref<Point> p = runtime::make<Point>(get_mouseX(), get_mouseY());
    if (auto parent = sprite->get_parent()) p = parent->globalToLocal(p);
    dragOffsetX_ = sprite->get_x() - p->x;
    dragOffsetY_ = sprite->get_y() - p->y;
}

void Stage::stopDrag_(Sprite*) {
    dragObject_ = nullptr;
    dragBounds_ = nullptr;
}

void Stage::drag_(const Ref<Point>& point) {
    Ref<Sprite> sprite = dragObject_.lock();
    if (!sprite) return;
    Ref<Point> p = point;
    if (auto parent = sprite->get_parent()) p = parent->globalToLocal(p);
    double x = dragOffsetX_ + p->x, y = dragOffsetY_ + p->y;
    if (dragBounds_) {
        if (x < dragBounds_->x) x = dragBounds_->x;
        else if (x > dragBounds_->get_right()) x = dragBounds_->get_right();
        if (y < dragBounds_->y) y = dragBounds_->y;
        else if (y > dragBounds_->get_bottom()) y = dragBounds_->get_bottom();
    }
    sprite->set_x(x);
    sprite->set_y(y);
}

void Stage::onKey_(const Value& event, const runtime::String& type) {
    Ref<Stage> keep(this);
    Chain chain = interactiveChain_(event);
    if (chain.empty()) return;
    // Lower-case letter codes become the upper-case ones, in the record too.
    Value value = MediaRecords::get(event, RecordField::value);
    if (value.isNumber() && value.toFloat() >= 96 && value.toFloat() <= 122) {
        value = value.isInt() ? Value(value.toInt() - 32) : Value(value.toFloat() - 32);
        MediaRecords::set(event, RecordField::value, value);
    }
    int flags = MediaRecords::getInt(event, RecordField::flags);
    int code = MediaRecords::getInt(event, RecordField::code);
    auto evt = runtime::make<KeyboardEvent>(type, true, true, code, value.toInt(), (flags & efLocationRight) ? 0 : 1,
                                            (flags & efCtrlDown) != 0, (flags & efAltDown) != 0,
                                            (flags & efShiftDown) != 0);
    chain.front()->fireEventAlong_(evt, std::span(chain).subspan(1), true);
    if (evt->getIsCancelled_()) {
        MediaRecords::set(event, RecordField::result, Value(1));
        return;
    }
    if ((flags & efAltDown) && type == KeyboardEvent::KEY_DOWN && code == 13)
        set_displayState(get_displayState() == StageDisplayState::NORMAL ? StageDisplayState::FULL_SCREEN_INTERACTIVE
                                                                        : StageDisplayState::NORMAL);
}

void Stage::onFocus_(const Value& event) {
    Ref<Stage> keep(this);
    Chain chain = interactiveChain_(event);
    int kind = MediaRecords::getInt(event, RecordField::value);
    if (!chain.empty() && (kind == 1 || kind == 2)) {
        Ref<InteractiveObject> related = focusOverObjects_.empty() ? nullptr : focusOverObjects_.front().lock();
        auto evt = runtime::make<FocusEvent>(kind == 1 ? FocusEvent::MOUSE_FOCUS_CHANGE : FocusEvent::KEY_FOCUS_CHANGE,
                                             true, true, related, MediaRecords::getInt(event, RecordField::flags) > 0,
                                             MediaRecords::getInt(event, RecordField::code));
        chain.front()->fireEventAlong_(evt, std::span(chain).subspan(1), true);
        if (evt->getIsCancelled_()) {
            MediaRecords::set(event, RecordField::result, Value(1));
            return;
        }
    }
    std::reverse(chain.begin(), chain.end());
    checkFocusInOuts_(event, chain);
}

void Stage::checkFocusInOuts_(const Value& event, const Chain& chain) {
    Ref<InteractiveObject> newObject = chain.empty() ? nullptr : chain.back();
    Ref<InteractiveObject> oldObject = focusOverObjects_.empty() ? nullptr : focusOverObjects_.back().lock();
    if (newObject.get() == oldObject.get()) return;
    bool shift = MediaRecords::getInt(event, RecordField::flags) > 0;
    int code = MediaRecords::getInt(event, RecordField::code);
    if (oldObject) {
        auto out = runtime::make<FocusEvent>(FocusEvent::FOCUS_OUT, true, false, newObject, shift, code);
        out->set_target(oldObject);
        oldObject->fireEvent_(out);
    }
    if (newObject) {
        auto in = runtime::make<FocusEvent>(FocusEvent::FOCUS_IN, true, false, oldObject, shift, code);
        in->set_target(newObject);
        newObject->fireEventAlong_(in, std::span(chain).first(chain.size() - 1), false);
    }
    focusOverObjects_ = weakChain(chain);
}

void Stage::onJoystick_(const Value& event, const runtime::String& type) {
    Ref<Stage> keep(this);
    int device = MediaRecords::getInt(event, RecordField::id);
    int code = MediaRecords::getInt(event, RecordField::code);
    Ref<JoystickEvent> evt;
    if (type == JoystickEvent::AXIS_MOVE) {
        // A negative axis index names no axis.
        if (code < 0) return;
        auto found = joyAxisData_.find(device);
        bool existed = found != joyAxisData_.end();
        std::vector<double> axes = existed ? found->second : std::vector<double>(4, 0.0);
        auto text = [](const std::vector<double>& v) {
            auto a = runtime::make<runtime::Array>();
            for (double d : v) a->push(Value(d));
            return a->toString();
        };
        std::string before = existed ? text(axes) : std::string();
        double axis = MediaRecords::getFloat(event, RecordField::value) / 32767;
        if (axis < -1) axis = -1;
        while (static_cast<std::size_t>(code) > axes.size()) axes.push_back(0);
        if (static_cast<std::size_t>(code) == axes.size()) axes.push_back(axis);
        else axes[static_cast<std::size_t>(code)] = axis;
        joyAxisData_[device] = axes;
        if (existed && text(axes) == before) return;
        auto entry = [&axes](std::size_t i) { return i < axes.size() ? axes[i] : 0.0; };
        evt = runtime::make<JoystickEvent>(type, false, false, device, 0, entry(0), entry(1), entry(2));
        evt->axis = axes;
    } else if (type == JoystickEvent::BALL_MOVE) {
        evt = runtime::make<JoystickEvent>(type, false, false, device, code, MediaRecords::getFloat(event, RecordField::x),
                                           MediaRecords::getFloat(event, RecordField::y));
    } else if (type == JoystickEvent::HAT_MOVE) {
        int h = MediaRecords::getInt(event, RecordField::value);
        double x = (h & 2) ? 1 : (h & 8) ? -1 : 0;
        double y = (h & 1) ? -1 : (h & 4) ? 1 : 0;
        evt = runtime::make<JoystickEvent>(type, false, false, device, code, x, y);
    } else if (type == JoystickEvent::DEVICE_ADDED) {
        evt = runtime::make<JoystickEvent>(type, false, false, device, 0, MediaRecords::getFloat(event, RecordField::x));
    } else if (type == JoystickEvent::DEVICE_REMOVED) {
        evt = runtime::make<JoystickEvent>(type, false, false, device);
    } else {
        evt = runtime::make<JoystickEvent>(type, false, false, device, code);
    }
    dispatchEvent_(evt);
}

// ---- operations and properties ----

void Stage::resize(int width, int height) { media_stage_resize_window(handle_, width, height); }
void Stage::setResolution(int width, int height) { media_stage_set_resolution(handle_, width, height); }

void Stage::setScreenMode(const Ref<ScreenMode>& mode) {
    media_stage_set_screenmode(handle_, mode->width, mode->height, mode->refreshRate, 0);
}

void Stage::setFullscreen(bool full) { media_stage_set_fullscreen(handle_, full); }
void Stage::showCursor(bool show) { media_stage_show_cursor(handle_, show); }

double Stage::set_frameRate(double rate) {
    frameRate = rate;
    framePeriod_ = rate > 0 ? 1.0 / rate : rate;
    nextRender_ = lastRender_ + framePeriod_;
    return rate;
}

#define STAGE_ENUM_PROPERTY(NAME, TYPE, PRIM)                                                     \
    TYPE Stage::get_##NAME() { return runtime::enumFromIndex<TYPE>(media_stage_get_##PRIM(handle_).toInt()); } \
    TYPE Stage::set_##NAME(TYPE v) {                                                              \
        media_stage_set_##PRIM(handle_, static_cast<int>(v));                                     \
        return v;                                                                                 \
    }
STAGE_ENUM_PROPERTY(align, StageAlign, align)
STAGE_ENUM_PROPERTY(displayState, StageDisplayState, display_state)
STAGE_ENUM_PROPERTY(quality, StageQuality, quality)
STAGE_ENUM_PROPERTY(scaleMode, StageScaleMode, scale_mode)
#undef STAGE_ENUM_PROPERTY

int Stage::get_color() {
    Value bg = get_opaqueBackground();
    return bg.isNull() ? 0 : bg.toInt();
}

int Stage::set_color(int v) {
    set_opaqueBackground(Value(v));
    Value bg = get_opaqueBackground();
    return bg.isNull() ? 0 : bg.toInt();
}

double Stage::get_dpiScale() { return media_stage_get_dpi_scale(handle_).toFloat(); }
bool Stage::get_isOpenGL() { return media_stage_is_opengl(handle_).toBool(); }

Ref<InteractiveObject> Stage::get_focus() {
    DisplayObject* obj = findByID_(media_stage_get_focus_id(handle_).toInt());
    return Ref<InteractiveObject>(obj ? obj->asInteractiveObject_() : nullptr);
}

Ref<InteractiveObject> Stage::set_focus(const Ref<InteractiveObject>& v) {
    media_stage_set_focus(handle_, v ? v->handle_ : Value(), 0);
    return v;
}

Ref<Rectangle> Stage::get_softKeyboardRect() {
    if (!softKeyboardRect_) softKeyboardRect_ = runtime::make<Rectangle>(0, 0, 0, 0);
    return softKeyboardRect_;
}

bool Stage::get_stageFocusRect() { return media_stage_get_focus_rect(handle_).toBool(); }

bool Stage::set_stageFocusRect(bool v) {
    media_stage_set_focus_rect(handle_, v);
    return v;
}

bool Stage::get_autos3d() { return media_stage_get_autos3d(handle_).toBool(); }

bool Stage::set_autos3d(bool v) {
    media_stage_set_autos3d(handle_, v);
    return v;
}

int Stage::sizeOf(const Value& v) {
    if (v.isInt()) return v.toInt();
    if (v.isFloat()) return runtime::Numbers::floatToInt(v.toFloat());
    runtime::Thrown::text(runtime::Thrown::INVALID_CAST);
}

int Stage::get_stageWidth() { return sizeOf(media_stage_get_stage_width(handle_)); }
int Stage::get_stageHeight() { return sizeOf(media_stage_get_stage_height(handle_)); }

RUNTIME_DEFINE_CLASS(Stage, "framework._native.display.Stage", DisplayObjectContainer, (auto& b) {
    using S = Stage;
    b.template property<&S::get_align, &S::set_align>("align")
        .template property<&S::get_color, &S::set_color>("color")
        .template property<&S::get_displayState, &S::set_displayState>("displayState")
        .template readOnlyProperty<&S::get_dpiScale>("dpiScale")
        .template property<&S::get_focus, &S::set_focus>("focus")
        .template readOnlyProperty<&S::get_isOpenGL>("isOpenGL")
        .template property<&S::get_quality, &S::set_quality>("quality")
        .template property<&S::get_scaleMode, &S::set_scaleMode>("scaleMode")
        .template readOnlyProperty<&S::get_softKeyboardRect>("softKeyboardRect")
        .template property<&S::get_stageFocusRect, &S::set_stageFocusRect>("stageFocusRect")
        .template property<&S::get_autos3d, &S::set_autos3d>("autos3d")
        .template readOnlyProperty<&S::get_stageHeight>("stageHeight")
        .template readOnlyProperty<&S::get_stageWidth>("stageWidth")
        .template field<&S::active>("active")
        .template field<&S::pauseWhenDeactivated>("pauseWhenDeactivated")
        .template field<&S::allowsFullScreen>("allowsFullScreen")
        .template field<&S::renderRequest>("renderRequest")
        .template field<&S::onKey>("onKey")
        .template field<&S::onQuit>("onQuit")
        .template method<&S::invalidate>("invalidate")
        .template method<&S::resize>("resize")
        .template method<&S::setFullscreen>("setFullscreen")
        .template method<&S::showCursor>("showCursor")
        .template method<&S::onKey_>("__onKey")
        .template method<&S::onMouse_>("__onMouse")
        .template method<&S::onTouch_>("__onTouch")
        .template method<&S::onFocus_>("__onFocus")
        .template method<&S::onJoystick_>("__onJoystick")
        .template method<&S::drag_>("__drag")
        .template staticField<&S::getOrientation>("getOrientation")
        .template staticField<&S::getNormalOrientation>("getNormalOrientation")
        .template staticField<&S::shouldRotateInterface>("shouldRotateInterface");
    // frameRate is read directly; a write by name runs the setter.
    runtime::Member m;
    m.name = "frameRate";
    m.kind = runtime::Member::Kind::Property;
    m.get = [](runtime::Object* o) -> Value { return Value(static_cast<S*>(o)->frameRate); };
    m.set = [](runtime::Object* o, const Value& v) { static_cast<S*>(o)->set_frameRate(v.toFloat()); };
    b.info().addMember(std::move(m));
})

}  // namespace framework
