#include "InteractiveObject.h"

#include "framework/Lib.h"

namespace framework {

void InteractiveObject::initClass() {
    static const bool done = [] {
        media_display_object_set_mouse_enabled = MEDIA_LOAD(media_native_display_object_set_mouse_enabled);
        media_display_object_set_needs_soft_keyboard = MEDIA_LOAD(media_native_display_object_set_needs_soft_keyboard);
        media_display_object_get_needs_soft_keyboard = MEDIA_LOAD(media_native_display_object_get_needs_soft_keyboard);
        media_display_object_set_moves_for_soft_keyboard =
            MEDIA_LOAD(media_native_display_object_set_moves_for_soft_keyboard);
        media_display_object_get_moves_for_soft_keyboard =
            MEDIA_LOAD(media_native_display_object_get_moves_for_soft_keyboard);
        media_display_object_dismiss_soft_keyboard = MEDIA_LOAD(media_native_display_object_dismiss_soft_keyboard);
        media_display_object_request_soft_keyboard = MEDIA_LOAD(media_native_display_object_request_soft_keyboard);
        return true;
    }();
    (void)done;
}

InteractiveObject::InteractiveObject(const runtime::Value& handle, const runtime::String& type)
    : DisplayObject(handle, type) {
    initClass();
}

bool InteractiveObject::set_mouseEnabled(bool value) {
    mouseEnabled_ = value;
    media_display_object_set_mouse_enabled(handle_, value);
    return value;
}

bool InteractiveObject::set_moveForSoftKeyboard(bool value) {
    media_display_object_set_moves_for_soft_keyboard(handle_, value);
    return value;
}

bool InteractiveObject::get_moveForSoftKeyboard() {
    return media_display_object_get_moves_for_soft_keyboard(handle_).toBool();
}

bool InteractiveObject::set_needsSoftKeyboard(bool value) {
    media_display_object_set_needs_soft_keyboard(handle_, value);
    return value;
}

bool InteractiveObject::get_needsSoftKeyboard() { return media_display_object_get_needs_soft_keyboard(handle_).toBool(); }

bool InteractiveObject::dismissSoftKeyboard_() { return media_display_object_dismiss_soft_keyboard(handle_).toBool(); }

bool InteractiveObject::requestSoftKeyboard() { return media_display_object_request_soft_keyboard(handle_).toBool(); }

RUNTIME_DEFINE_CLASS(InteractiveObject, "framework._native.display.InteractiveObject", DisplayObject, (auto& b) {
    using I = InteractiveObject;
    b.template field<&I::doubleClickEnabled>("doubleClickEnabled")
        .template property<&I::get_mouseEnabled, &I::set_mouseEnabled>("mouseEnabled")
        .template property<&I::get_moveForSoftKeyboard, &I::set_moveForSoftKeyboard>("moveForSoftKeyboard")
        .template property<&I::get_needsSoftKeyboard, &I::set_needsSoftKeyboard>("needsSoftKeyboard")
        .template internalField<&I::mouseEnabled_>("__mouseEnabled")
        .template method<&I::requestSoftKeyboard>("requestSoftKeyboard")
        .template method<&I::dismissSoftKeyboard_>("__dismissSoftKeyboard")
        .template staticField<&I::media_display_object_set_mouse_enabled>("media_display_object_set_mouse_enabled")
        .template staticField<&I::media_display_object_set_needs_soft_keyboard>("media_display_object_set_needs_soft_keyboard")
        .template staticField<&I::media_display_object_get_needs_soft_keyboard>("media_display_object_get_needs_soft_keyboard")
        .template staticField<&I::media_display_object_set_moves_for_soft_keyboard>("media_display_object_set_moves_for_soft_keyboard")
        .template staticField<&I::media_display_object_get_moves_for_soft_keyboard>("media_display_object_get_moves_for_soft_keyboard")
        .template staticField<&I::media_display_object_dismiss_soft_keyboard>("media_display_object_dismiss_soft_keyboard")
        .template staticField<&I::media_display_object_request_soft_keyboard>("media_display_object_request_soft_keyboard");
})

}  // namespace framework
