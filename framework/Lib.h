#pragma once
// The framework's entry point: primitive lookup by library and name, the application's
// identity, and small services.
#include <map>
#include <optional>
#include <set>
#include <string>

#include "platform/media/MediaPrimitives.h"
#include "platform/runtime/ClassInfo.h"
#include "platform/runtime/Function.h"
#include "platform/runtime/Primitive.h"
#include "platform/runtime/String.h"

namespace framework {

class ManagedStage;
class MovieClip;
class Stage;
class URLRequest;

class Lib {
public:
    // The last values given to setPackage.
    static inline runtime::String company;
    static inline runtime::String file;
    static inline runtime::String packageName;
    static inline runtime::String version;

    static inline runtime::Primitive media_set_package;
    static inline runtime::Primitive media_get_frame_stage;
    static inline runtime::Primitive media_get_url;
    static inline runtime::Primitive media_pause_animation;
    static inline runtime::Primitive media_resume_animation;
    static inline runtime::Primitive media_show_error_box;

    // Looks up a primitive taking argCount arguments (-1: variable). Null when not found.
    static runtime::Primitive load(const std::string& library, const std::string& name, int argCount = 0);
    // One attempt at path; null when the module is missing or lacks the primitive.
    static runtime::Primitive tryLoad(const std::string& path, const std::string& library, const std::string& name,
                                      int argCount);
    // Writes message to standard output while FRAMEWORK_LOAD_DEBUG is set.
    static void loaderTrace(const std::string& message);
    static runtime::String sysName();

    static void setPackage(const runtime::String& company, const runtime::String& file,
                           const runtime::String& packageName, const runtime::String& version);
    // Asks the back end to open the request's url; the target is not used.
    static void getURL(const runtime::Ref<URLRequest>& request, const runtime::String& target = nullptr);
    static void pause();
    static void resume();
    // Stops the stage's poll tick and asks the back end to end its loop (looked up on every call).
    static void close();

    // Window-creation flags.
    static constexpr int FULLSCREEN = 1, BORDERLESS = 2, RESIZABLE = 4, HARDWARE = 8, VSYNC = 16, HW_AA = 32,
                         HW_AA_HIRES = 96, ALLOW_SHADERS = 128, REQUIRE_SHADERS = 256, DEPTH_BUFFER = 512,
                         STENCIL_BUFFER = 1024;
    static inline int initWidth = 0;
    static inline int initHeight = 0;
    static inline bool silentRecreate = false;
    static inline bool isInit_ = false;
    static inline runtime::Value mainFrame_;
    static inline runtime::Ref<runtime::Function> uncaughtExceptionHandler_;

    // Opens the main window; the back end calls back when the frame exists, which builds the
    // stage (of stageClass when given), puts the root clip on it and calls onLoaded. Returns when
    // the back end's loop ends.
    static void create(const runtime::Ref<runtime::Function>& onLoaded, int width, int height,
                       double frameRate = 60, int color = 0xFFFFFF, int flags = 15,
                       const runtime::String& title = "Application", const runtime::Value& icon = nullptr,
                       const runtime::ClassInfo* stageClass = nullptr);
    // A stage for a host that pumps events itself.
    static runtime::Ref<ManagedStage> createManagedStage(int width, int height, int flags);
    static runtime::Ref<MovieClip> attach(const runtime::String& name);
    // Milliseconds on the framework clock.
    static int getTimer();
    static void exit();
    static void forceClose();
    static void setIcon(const runtime::String& path);
    // A modal error box titled title with one OK button; false when the back end could not show it.
    static bool showErrorBox(const runtime::String& title, const runtime::String& message);
    static void postUICallback(const runtime::Ref<runtime::Function>& handler) { runtime::call(handler); }
    static void setUncaughtExceptionHandler(const runtime::Ref<runtime::Function>& handler) {
        uncaughtExceptionHandler_ = handler;
    }
    // The uncaught-error policy: handler, then the root clip's uncaught-error listeners, else the
    // text and call stack on standard error and exit status 1.
    static void rethrow(const runtime::Value& error);
    // Traces "Warning: <api> is not implemented" the first time api is given.
    static void notImplemented(const std::string& api);
    static void trace(const runtime::Value& value);
    template <class T>
    static T as(T value, ...) { return value; }

    // The root clip, made on first use and put on the stage when there is one.
    static runtime::Ref<MovieClip> get_current();
    // The stage; throws "Error : stage can't be accessed until init is called" before it exists.
    static runtime::Ref<Stage> get_stage();
    static void setCurrentStage_(const runtime::Ref<Stage>& stage);

    // Loads the class's primitives once; every entry that uses them calls it.
    static void initClass();

    // The path each library was first found under (its own name when found nowhere);
    // empty until the first lookup.
    static const std::optional<std::map<std::string, std::string>>& moduleNames() { return moduleNames_; }
    // Forgets every library's remembered path (tests).
    static void resetModuleNames() { moduleNames_.reset(); }

private:
    static std::string devPackageFolder();

    static inline std::optional<std::map<std::string, std::string>> moduleNames_;
};

}  // namespace framework

// Loads a media-native primitive with the argument count the primitive list gives it.
#define MEDIA_LOAD(symbol)                                                     \
    ::framework::Lib::load("media-native", #symbol,                            \
                           ::media::MediaPrimitives::arity(::media::MediaPrimitive::symbol))
