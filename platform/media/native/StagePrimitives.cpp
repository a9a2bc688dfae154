// Stage properties, window operations and the host-pumped stage.
#include "Backend.h"
#include "platform/media/MediaExport.h"

using media::Backend;
using media::StageHandle;
using runtime::Value;

namespace {
StageHandle* stageOf(const Value& v) { return v.as<StageHandle>(); }
int clampIndex(int v, int max) { return v >= 0 && v <= max ? v : 0; }
}  // namespace

#define STAGE_OR_NULL()                   \
    StageHandle* st = stageOf(MEDIA_ARG(0)); \
    if (!st) return {};

#define STAGE_INDEX(NAME, FIELD, MAX)                       \
    MEDIA_EXPORT(media_native_stage_get_##NAME, 1) {        \
        STAGE_OR_NULL();                                    \
        return Value(st->FIELD);                            \
    }                                                       \
    MEDIA_EXPORT(media_native_stage_set_##NAME, 2) {        \
        STAGE_OR_NULL();                                    \
        st->FIELD = clampIndex(MEDIA_ARG(1).toInt(), MAX);  \
        return {};                                          \
    }

STAGE_INDEX(align, align, 7)
STAGE_INDEX(scale_mode, scaleMode, 3)
STAGE_INDEX(quality, quality, 3)

MEDIA_EXPORT(media_native_stage_get_display_state, 1) {
    STAGE_OR_NULL();
    return Value(st->managed ? 0 : Backend::get().displayState());
}

MEDIA_EXPORT(media_native_stage_set_display_state, 2) {
    STAGE_OR_NULL();
    if (!st->managed) Backend::get().setDisplayState(MEDIA_ARG(1).toInt());
    return {};
}

MEDIA_EXPORT(media_native_stage_set_fullscreen, 2) {
    STAGE_OR_NULL();
    if (!st->managed) Backend::get().setDisplayState(MEDIA_ARG(1).toBool() ? 1 : 0);
    return {};
}

MEDIA_EXPORT(media_native_stage_get_stage_width, 1) {
    STAGE_OR_NULL();
    int w, h;
    Backend::get().stageSize(st, w, h);
    return Value(w);
}

MEDIA_EXPORT(media_native_stage_get_stage_height, 1) {
    STAGE_OR_NULL();
    int w, h;
    Backend::get().stageSize(st, w, h);
    return Value(h);
}

MEDIA_EXPORT(media_native_stage_resize_window, 3) {
    STAGE_OR_NULL();
    if (!st->managed) Backend::get().resizeWindow(MEDIA_ARG(1).toInt(), MEDIA_ARG(2).toInt());
    return {};
}

// The window's size is the resolution here.
MEDIA_EXPORT(media_native_stage_set_resolution, 3) {
    STAGE_OR_NULL();
    if (!st->managed) Backend::get().resizeWindow(MEDIA_ARG(1).toInt(), MEDIA_ARG(2).toInt());
    return {};
}

MEDIA_EXPORT(media_native_stage_set_screenmode, 5) {
    STAGE_OR_NULL();
    if (!st->managed) {
        Backend::get().resizeWindow(MEDIA_ARG(1).toInt(), MEDIA_ARG(2).toInt());
        Backend::get().setDisplayState(1);
    }
    return {};
}

MEDIA_EXPORT(media_native_stage_show_cursor, 2) {
    Backend::get().showCursor(MEDIA_ARG(1).toBool());
    return {};
}

MEDIA_EXPORT(media_native_stage_get_focus_id, 1) {
    STAGE_OR_NULL();
    return Value(st->focusId);
}

MEDIA_EXPORT(media_native_stage_set_focus, 3) {
    STAGE_OR_NULL();
    auto* target = MEDIA_ARG(1).as<media::NodeHandle>();
    st->focusId = target && media::NodeStore::get().valid(target->index) ? media::NodeStore::get().at(target->index).id : 0;
    return {};
}

MEDIA_EXPORT(media_native_stage_get_dpi_scale, 1) { return Value(Backend::get().dpiScale()); }

// Drawing is done in software.
MEDIA_EXPORT(media_native_stage_is_opengl, 1) { return Value(false); }

MEDIA_EXPORT(media_native_stage_get_focus_rect, 1) {
    STAGE_OR_NULL();
    return Value(st->focusRect);
}

MEDIA_EXPORT(media_native_stage_set_focus_rect, 2) {
    STAGE_OR_NULL();
    st->focusRect = MEDIA_ARG(1).toBool();
    return {};
}

MEDIA_EXPORT(media_native_stage_get_autos3d, 1) {
    STAGE_OR_NULL();
    return Value(st->autos3d);
}

MEDIA_EXPORT(media_native_stage_set_autos3d, 2) {
    STAGE_OR_NULL();
    st->autos3d = MEDIA_ARG(1).toBool();
    return {};
}

// A desktop window has no device orientation.
MEDIA_EXPORT(media_native_stage_request_render, 0) { return {}; }
MEDIA_EXPORT(media_native_stage_set_fixed_orientation, 1) { return {}; }
MEDIA_EXPORT(media_native_stage_get_orientation, 0) { return Value(0); }
MEDIA_EXPORT(media_native_stage_get_normal_orientation, 0) { return Value(0); }

MEDIA_EXPORT(media_native_managed_stage_create, 3) {
    auto st = runtime::make<StageHandle>();
    st->managed = true;
    st->width = MEDIA_ARG(0).toInt();
    st->height = MEDIA_ARG(1).toInt();
    return Value(st);
}

// Hands the host's event record to the stage's handler.
MEDIA_EXPORT(media_native_managed_stage_pump_event, 2) {
    STAGE_OR_NULL();
    if (MEDIA_ARG(1).field("type").toInt() == 8) {
        st->width = MEDIA_ARG(1).field("x").toInt();
        st->height = MEDIA_ARG(1).field("y").toInt();
    }
    if (st->handler) {
        runtime::Ref<runtime::Function> h = st->handler;
        (*h)(MEDIA_ARG(1));
    }
    return {};
}
