#include "EventTranslator.h"

#include <optional>

#include "KeyMap.h"
#include "NodeStore.h"
#include "platform/media/MediaRecords.h"

namespace media {

using runtime::Ref;
using runtime::Value;
using F = RecordField;
using R = MediaRecords;

namespace {
constexpr int type(RecordType t) { return static_cast<int>(t); }
}  // namespace

EventTranslator::View EventTranslator::live(int stageIndex, int focusId, SDL_Window* window, double dpiScale,
                                            int outputWidth, int outputHeight) {
    View v;
    v.stageIndex = stageIndex;
    v.focusId = focusId;
    if (window) SDL_GetWindowSize(window, &v.windowWidth, &v.windowHeight);
    v.outputWidth = outputWidth;
    v.outputHeight = outputHeight;
    v.dpiScale = dpiScale;
    v.modifiers = static_cast<Uint16>(SDL_GetModState());
    v.buttons = SDL_GetMouseState(&v.mouseX, &v.mouseY);
    return v;
}

int EventTranslator::stageId(const View& v) {
    const NodeStore& store = NodeStore::get();
    return v.stageIndex >= 0 && store.valid(v.stageIndex) ? store.at(v.stageIndex).id : 0;
}

Ref<runtime::DynamicObject> EventTranslator::aimed(int t, double stageX, double stageY, const View& v) {
    int id = v.stageIndex >= 0 && NodeStore::get().valid(v.stageIndex) ? NodeStore::get().pick(v.stageIndex, stageX, stageY)
                                                                       : 0;
    if (id == 0) id = stageId(v);
    auto r = R::make(static_cast<RecordType>(t));
    R::set(*r, F::id, Value(id));
    R::set(*r, F::x, Value(stageX));
    R::set(*r, F::y, Value(stageY));
    return r;
}

Ref<runtime::DynamicObject> EventTranslator::pointer(int t, double wx, double wy, int value, const View& v) {
    pointerX_ = wx * v.dpiScale;
    pointerY_ = wy * v.dpiScale;
    auto r = aimed(t, pointerX_, pointerY_, v);
    int flags = KeyMap::modifierFlags(v.modifiers);
    if (v.buttons & SDL_BUTTON_LMASK) flags |= R::efLeftDown;
    if (v.buttons & SDL_BUTTON_MMASK) flags |= R::efMiddleDown;
    if (v.buttons & SDL_BUTTON_RMASK) flags |= R::efRightDown;
    R::set(*r, F::value, Value(value));
    R::set(*r, F::flags, Value(flags));
    return r;
}

Ref<runtime::DynamicObject> EventTranslator::touch(int t, const SDL_TouchFingerEvent& f, const View& v) {
    std::optional<TouchPoints::Point> point;
    if (t == type(RecordType::etTouchBegin)) point = touches_.begin(f.fingerId);
    else if (t == type(RecordType::etTouchMove)) point = touches_.find(f.fingerId);
    else point = touches_.end(f.fingerId);
    if (!point) return nullptr;  // a finger that went down before the window saw it
    // Finger positions are fractions of the window.
    auto r = aimed(t, f.x * v.windowWidth * v.dpiScale, f.y * v.windowHeight * v.dpiScale, v);
    int flags = KeyMap::modifierFlags(v.modifiers);
    if (point->primary) flags |= R::efPrimaryTouch;
    R::set(*r, F::value, Value(point->id));
    R::set(*r, F::flags, Value(flags));
    // SDL reports no contact size.
    R::set(*r, F::scaleX, Value(1.0));
    R::set(*r, F::scaleY, Value(1.0));
    return r;
}

Ref<runtime::DynamicObject> EventTranslator::window(const SDL_WindowEvent& w, const View& v) {
    switch (w.event) {
        case SDL_WINDOWEVENT_SIZE_CHANGED: {
            auto r = R::make(RecordType::etResize);
            R::set(*r, F::x, Value(v.outputWidth));
            R::set(*r, F::y, Value(v.outputHeight));
            return r;
        }
        case SDL_WINDOWEVENT_EXPOSED: return R::make(RecordType::etRedraw);
        case SDL_WINDOWEVENT_FOCUS_GAINED: return R::make(RecordType::etGotInputFocus);
        case SDL_WINDOWEVENT_FOCUS_LOST: return R::make(RecordType::etLostInputFocus);
        // Only minimising pauses the game; losing the focus does not.
        case SDL_WINDOWEVENT_MINIMIZED: return R::make(RecordType::etDeactivate);
        case SDL_WINDOWEVENT_RESTORED: return R::make(RecordType::etActivate);
        default: return nullptr;
    }
}

Ref<runtime::DynamicObject> EventTranslator::translate(const SDL_Event& e, const View& v) {
    switch (e.type) {
        case SDL_QUIT: return R::make(RecordType::etQuit);
        case SDL_KEYDOWN:
        case SDL_KEYUP: return KeyMap::record(e.key, v.focusId != 0 ? v.focusId : stageId(v));
        // Pointer events SDL makes up from touches are dropped: the stage derives the pointer
        // events of the primary touch point itself.
        case SDL_MOUSEMOTION:
            if (e.motion.which == SDL_TOUCH_MOUSEID) return nullptr;
            return pointer(type(RecordType::etMouseMove), e.motion.x, e.motion.y, 0, v);
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            if (e.button.which == SDL_TOUCH_MOUSEID) return nullptr;
            int button = e.button.button == SDL_BUTTON_LEFT ? 0 : e.button.button == SDL_BUTTON_MIDDLE ? 1
                         : e.button.button == SDL_BUTTON_RIGHT ? 2 : -1;
            if (button < 0) return nullptr;
            return pointer(type(e.type == SDL_MOUSEBUTTONDOWN ? RecordType::etMouseDown : RecordType::etMouseUp),
                           e.button.x, e.button.y, button, v);
        }
        case SDL_MOUSEWHEEL:
            if (e.wheel.y == 0 || e.wheel.which == SDL_TOUCH_MOUSEID) return nullptr;
            // A wheel step is an up record: 3 scrolls one way, 4 the other.
            return pointer(type(RecordType::etMouseUp), v.mouseX, v.mouseY, e.wheel.y > 0 ? 3 : 4, v);
        case SDL_FINGERDOWN: return touch(type(RecordType::etTouchBegin), e.tfinger, v);
        case SDL_FINGERMOTION: return touch(type(RecordType::etTouchMove), e.tfinger, v);
        case SDL_FINGERUP: return touch(type(RecordType::etTouchEnd), e.tfinger, v);
        case SDL_WINDOWEVENT: return window(e.window, v);
        default: return controllers_.translate(e);
    }
}

}  // namespace media
