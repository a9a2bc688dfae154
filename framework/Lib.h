#pragma once
// The framework's entry point: primitive lookup by library and name, the application's
// identity, and small services.
#include <map>
#include <optional>
#include <set>
#include <string>

#include "platform/media/MediaPrimitives.h"
#include "platform/runtime/Primitive.h"
#include "platform/runtime/String.h"

namespace framework {

class MovieClip;
class Stage;

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
    static void pause();
    static void resume();
    // Asks the back end to end its loop and close the main frame (looked up on every call).
    static void close();
    // Traces "Warning: <api> is not implemented" the first time api is given.
    static void notImplemented(const std::string& api);
    static void trace(const runtime::Value& value);
    // Milliseconds of the back end's clock (Timer::stamp() * 1000), truncated to an Int.
    static int getTimer();
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
