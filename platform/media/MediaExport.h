#pragma once
// Defines an exported back-end primitive. The name and argument count must match the list:
//
//   MEDIA_EXPORT(media_native_close, 0) { backend.close(); return {}; }
//
// The body sees `args` (const Value*) and `argc`, returns a Value, and may throw: the exported
// wrapper catches everything, reports it on standard error and answers null, so no exception
// leaves the module.
#include <cstdio>
#include <exception>

#include "MediaPrimitives.h"
#include "platform/runtime/Value.h"

#define MEDIA_EXPORT_SUFFIX_0 __0
#define MEDIA_EXPORT_SUFFIX_1 __1
#define MEDIA_EXPORT_SUFFIX_2 __2
#define MEDIA_EXPORT_SUFFIX_3 __3
#define MEDIA_EXPORT_SUFFIX_4 __4
#define MEDIA_EXPORT_SUFFIX_5 __5
#define MEDIA_EXPORT_SUFFIX_MULT __MULT
#define MEDIA_EXPORT_CAT_(a, b) a##b
#define MEDIA_EXPORT_CAT(a, b) MEDIA_EXPORT_CAT_(a, b)

#include <string_view>

namespace media {
void reportPrimitiveFailure(const char* name, const char* what);
// Counts calls that may change what the stage shows; the back end presents the previous frame
// again while the count stands still.
void noteSceneChange();
constexpr int exportArity(int n) { return n; }
// Primitives that only read, or touch nothing drawn (clock, wake, sound, files, transfers).
constexpr bool keepsScene(std::string_view name) {
    for (std::string_view part : {"_get_", "_get", "time_stamp", "set_next_wake", "render_stage", "curl_",
                                  "weak_ref_", "sound_", "filesystem_", "lzma_", "byte_array_", "is_complete"})
        if (name.find(part) != std::string_view::npos) return true;
    return false;
}
}  // namespace media

// ARITY is 0..5 or MULT.
#define MEDIA_EXPORT(NAME, ARITY)                                                                          \
    static ::runtime::Value NAME##_impl(const ::runtime::Value* args, int argc);                            \
    static_assert(::media::MediaPrimitives::arity(::media::MediaPrimitive::NAME) ==                          \
                      MEDIA_EXPORT_ARITY_##ARITY,                                                           \
                  "argument count differs from MediaPrimitives.def");                                       \
    extern "C" __attribute__((visibility("default"))) void MEDIA_EXPORT_CAT(NAME, MEDIA_EXPORT_SUFFIX_##ARITY)( \
        const ::runtime::Value* args, int argc, ::runtime::Value* result) {                                 \
        if constexpr (!::media::keepsScene(#NAME)) ::media::noteSceneChange();                              \
        try {                                                                                               \
            *result = NAME##_impl(args, argc);                                                              \
        } catch (const std::exception& e) {                                                                 \
            ::media::reportPrimitiveFailure(#NAME, e.what());                                               \
            *result = ::runtime::Value();                                                                   \
        } catch (...) {                                                                                     \
            ::media::reportPrimitiveFailure(#NAME, "unknown exception");                                    \
            *result = ::runtime::Value();                                                                   \
        }                                                                                                   \
    }                                                                                                       \
    static ::runtime::Value NAME##_impl([[maybe_unused]] const ::runtime::Value* args, [[maybe_unused]] int argc)

#define MEDIA_EXPORT_ARITY_0 0
#define MEDIA_EXPORT_ARITY_1 1
#define MEDIA_EXPORT_ARITY_2 2
#define MEDIA_EXPORT_ARITY_3 3
#define MEDIA_EXPORT_ARITY_4 4
#define MEDIA_EXPORT_ARITY_5 5
#define MEDIA_EXPORT_ARITY_MULT -1

// Argument i, or null when fewer were passed.
#define MEDIA_ARG(i) ((i) < argc ? args[(i)] : ::runtime::Value())
