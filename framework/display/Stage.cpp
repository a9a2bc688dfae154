#include "Stage.h"

#include "Sprite.h"
#include "framework/Lib.h"
#include "framework/display3D/Stage3D.h"
#include "framework/events/SystemEvent.h"
#include "framework/media/SoundChannel.h"
#include "framework/net/URLLoader.h"
#include "framework/system/ScreenMode.h"
#include "framework/utils/Timer.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/Numbers.h"

namespace framework {

using runtime::Ref;
using runtime::Value;

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

// ---- the pump ----

Value Stage::processStageEvent_(const Value& event) {
    doProcessStageEvent_(event);
    return Value();
}

double Stage::doProcessStageEvent_(const Value& event) {
    Ref<Stage> keep(this);
    int code = runtime::Numbers::floatToInt(event.field("type").toFloat());
    try {
        switch (code) {
            case etKeyDown: onKey_(event, "keyDown"); break;
            case etChar:
                if (onKey) (*onKey)(event.field("code"), event.field("down"), event.field("char"), event.field("flags"));
                break;
            case etKeyUp: onKey_(event, "keyUp"); break;
            case etMouseMove: onMouse_(event, "mouseMove", true); break;
            case etMouseDown: onMouse_(event, "mouseDown", true); break;
            case etMouseClick: onMouse_(event, "click", true); break;
            case etMouseUp: onMouse_(event, "mouseUp", true); break;
            case etResize:
                onResize_(event.field("x").toFloat(), event.field("y").toFloat());
                if (!renderRequest) render_(false);
                break;
            case etPoll: pollTimers_(); break;
            case etQuit:
                if (onQuit) (*onQuit)();
                break;
            case etFocus: onFocus_(event); break;
            case etShouldRotate:
                if (runtime::call(shouldRotateInterface, event.field("value")).toBool()) event.setField("result", Value(2));
                break;
            case etRedraw: render_(true); break;
            case etTouchBegin: {
                int id = event.field("value").toInt();
                // The touch record itself belongs to the input translation.
                Value info = Value(runtime::make<runtime::DynamicObject>());
                touchInfo_[id] = info;
                onTouch_(event, "touchBegin", info);
                if (event.field("flags").toInt() & efPrimaryTouch) onMouse_(event, "mouseDown", false);
                break;
            }
            case etTouchMove: {
                auto it = touchInfo_.find(event.field("value").toInt());
                onTouch_(event, "touchMove", it == touchInfo_.end() ? Value() : it->second);
                if (event.field("flags").toInt() & efPrimaryTouch) onMouse_(event, "mouseMove", false);
                break;
            }
            case etTouchEnd: {
                int id = event.field("value").toInt();
                auto it = touchInfo_.find(id);
                onTouch_(event, "touchEnd", it == touchInfo_.end() ? Value() : it->second);
                touchInfo_.erase(id);
                if (event.field("flags").toInt() & efPrimaryTouch) onMouse_(event, "mouseUp", false);
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
    double next = nextRender_ - Timer::stamp() - earlyWakeup_;
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
    if (DisplayObject* obj = findByID_(event.field("id").toInt()))
        Ref<DisplayObject>(obj)->fireEvent_(runtime::make<Event>(Event::CHANGE, true, false));
}

void Stage::onResize_(double, double) { dispatchEvent_(runtime::make<Event>(Event::RESIZE, false, false)); }

void Stage::onRenderContext_(bool restored) {
    dispatchEvent_(runtime::make<Event>(restored ? "glcontextrestored" : "glcontextlost", false, false));
}

void Stage::onSysWM_(const Value& event) {
    dispatchEvent_(runtime::make<SystemEvent>(SystemEvent::SYSTEM, false, false, event.field("value").toInt()));
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
