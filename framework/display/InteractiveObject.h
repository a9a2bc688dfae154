#pragma once
// A display object that takes pointer and keyboard input.
#include "DisplayObject.h"

namespace framework {

class InteractiveObject : public DisplayObject {
    RUNTIME_CLASS(InteractiveObject)
public:
    static inline runtime::Primitive media_display_object_set_mouse_enabled;
    static inline runtime::Primitive media_display_object_set_needs_soft_keyboard;
    static inline runtime::Primitive media_display_object_get_needs_soft_keyboard;
    static inline runtime::Primitive media_display_object_set_moves_for_soft_keyboard;
    static inline runtime::Primitive media_display_object_get_moves_for_soft_keyboard;
    static inline runtime::Primitive media_display_object_dismiss_soft_keyboard;
    static inline runtime::Primitive media_display_object_request_soft_keyboard;
    static void initClass();

    InteractiveObject(const runtime::Value& handle, const runtime::String& type);
    explicit InteractiveObject(runtime::NoInit n) : DisplayObject(n) {}

    InteractiveObject* asInteractiveObject_() override { return this; }
    virtual bool dismissSoftKeyboard_();
    virtual bool requestSoftKeyboard();
    virtual bool get_mouseEnabled() { return mouseEnabled_; }
    virtual bool set_mouseEnabled(bool value);
    virtual bool set_moveForSoftKeyboard(bool value);
    virtual bool get_moveForSoftKeyboard();
    virtual bool set_needsSoftKeyboard(bool value);
    virtual bool get_needsSoftKeyboard();

    bool doubleClickEnabled = false;
    bool mouseEnabled_ = true;
};

}  // namespace framework
