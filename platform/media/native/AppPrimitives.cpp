// Application, frame, clock and stage primitives.
#include <SDL.h>

#include <cstdint>
#include <cstdio>
#include <fstream>

#include "Backend.h"
#include "platform/media/MediaExport.h"

using runtime::Value;

namespace {
media::StageHandle* stageOf(const Value& v) { return v.as<media::StageHandle>(); }
std::string text(const Value& v) { return v.isNull() ? std::string() : v.toText(); }

uint64_t fnv1a(const std::string& s, uint64_t h) {
    for (unsigned char c : s) h = (h ^ c) * 0x100000001b3ULL;
    return h;
}

// A stable identifier of this machine for this back end: a digest of the system's machine id,
// so the id itself is not handed out. Empty when the system has none.
std::string deviceIdentifier() {
    for (const char* path : {"/etc/machine-id", "/var/lib/dbus/machine-id"}) {
        std::ifstream in(path);
        std::string id;
        if (!(in >> id) || id.empty()) continue;
        std::string salted = "media-native device:" + id;
        char out[33];
        std::snprintf(out, sizeof out, "%016llx%016llx",
                      static_cast<unsigned long long>(fnv1a(salted, 0xcbf29ce484222325ULL)),
                      static_cast<unsigned long long>(fnv1a(salted, 0x84222325cbf29ce4ULL)));
        return out;
    }
    return {};
}
}  // namespace

MEDIA_EXPORT(media_native_set_package, 4) {
    media::Backend::get().setPackage(text(MEDIA_ARG(0)), text(MEDIA_ARG(1)), text(MEDIA_ARG(2)), text(MEDIA_ARG(3)));
    return {};
}

MEDIA_EXPORT(media_native_create_main_frame, MULT) {
    runtime::Ref<runtime::Function> cb(MEDIA_ARG(0).function());
    media::Backend::get().createMainFrame(cb, MEDIA_ARG(1).toInt(), MEDIA_ARG(2).toInt(), MEDIA_ARG(3).toInt(),
                                          text(MEDIA_ARG(4)));
    return {};
}

// A modal error box with one OK button and no owner window; false when none could be shown.
MEDIA_EXPORT(media_native_show_error_box, 2) {
    return Value(SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, text(MEDIA_ARG(0)).c_str(), text(MEDIA_ARG(1)).c_str(),
                                          nullptr) == 0);
}

MEDIA_EXPORT(media_native_get_frame_stage, 1) {
    auto* frame = MEDIA_ARG(0).as<media::FrameHandle>();
    return frame ? Value(frame->stage) : Value();
}

MEDIA_EXPORT(media_native_get_url, 1) {
    media::Backend::get().openUrl(text(MEDIA_ARG(0)));
    return {};
}

MEDIA_EXPORT(media_native_pause_animation, 0) {
    media::Backend::get().setAnimationPaused(true);
    return {};
}

MEDIA_EXPORT(media_native_resume_animation, 0) {
    media::Backend::get().setAnimationPaused(false);
    return {};
}

MEDIA_EXPORT(media_native_close, 0) {
    media::Backend::get().close();
    return {};
}

MEDIA_EXPORT(media_native_set_icon, 1) {
    media::Backend::get().setIcon(text(MEDIA_ARG(0)));
    return {};
}

MEDIA_EXPORT(media_native_terminate, 0) {
    std::_Exit(0);
}

MEDIA_EXPORT(media_native_get_unique_device_identifier, 0) {
    std::string id = deviceIdentifier();
    return id.empty() ? Value() : Value(id);
}

MEDIA_EXPORT(media_native_time_stamp, 0) { return Value(media::Backend::get().now()); }

MEDIA_EXPORT(media_native_set_stage_handler, 4) {
    auto* stage = stageOf(MEDIA_ARG(0));
    if (stage) {
        stage->width = MEDIA_ARG(2).toInt();
        stage->height = MEDIA_ARG(3).toInt();
    }
    media::Backend::get().setStageHandler(stage, runtime::Ref<runtime::Function>(MEDIA_ARG(1).function()));
    return {};
}

MEDIA_EXPORT(media_native_stage_set_next_wake, 2) {
    media::Backend::get().setNextWake(MEDIA_ARG(1).toFloat());
    return {};
}

MEDIA_EXPORT(media_native_render_stage, 1) {
    media::Backend::get().renderStage(stageOf(MEDIA_ARG(0)));
    return {};
}
