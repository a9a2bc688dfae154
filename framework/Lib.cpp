#include "Lib.h"

#include <cstdio>
#include <cstdlib>

#include "framework/display/MovieClip.h"
#include "framework/display/Stage.h"
#include "framework/utils/Timer.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Trace.h"
#include "platform/system/ModuleLoader.h"

namespace framework {

namespace {
runtime::Ref<MovieClip>& current() {
    static runtime::Ref<MovieClip> c;
    return c;
}

runtime::Ref<Stage>& stage() {
    static runtime::Ref<Stage> s;
    return s;
}

std::set<std::string>& sentWarnings() {
    static std::set<std::string> s;
    return s;
}
}  // namespace

void Lib::initClass() {
    static const bool done = [] {
        media_set_package = MEDIA_LOAD(media_native_set_package);
        media_get_frame_stage = MEDIA_LOAD(media_native_get_frame_stage);
        media_get_url = MEDIA_LOAD(media_native_get_url);
        media_pause_animation = MEDIA_LOAD(media_native_pause_animation);
        media_resume_animation = MEDIA_LOAD(media_native_resume_animation);
        return true;
    }();
    (void)done;
}

runtime::Primitive Lib::load(const std::string& libraryName, const std::string& name, int argCount) {
    std::string library = libraryName == "media" ? std::string("media-native") : libraryName;
    if (!moduleNames_) moduleNames_.emplace();
    if (auto it = moduleNames_->find(library); it != moduleNames_->end()) {
        // The library's path is fixed after its first lookup; loader failures are not caught here.
        return runtime::Primitive(sys::ModuleLoader::find(it->second, name, argCount));
    }
    (*moduleNames_)[library] = library;
    runtime::Primitive result = tryLoad("./" + library, library, name, argCount);
    if (!result) result = tryLoad(".\\" + library, library, name, argCount);
    if (!result) result = tryLoad(library, library, name, argCount);
    if (!result) {
        std::string folder = devPackageFolder();
        if (!folder.empty()) {
            std::string sep = sysName().str().substr(0, 7) == "windows" ? "\\" : "/";
            std::string base = folder + sep + "legacy" + sep + "bin" + sep + sysName().str();
            result = tryLoad(base + sep + library, library, name, argCount);
            if (!result) result = tryLoad(base + "64" + sep + library, library, name, argCount);
        }
    }
    loaderTrace("Result : " + result.toString());
    return result;
}

runtime::Primitive Lib::tryLoad(const std::string& path, const std::string& library, const std::string& name,
                                int argCount) {
    runtime::PrimitiveFn fn = nullptr;
    try {
        fn = sys::ModuleLoader::find(path, name, argCount);
    } catch (...) {
        loaderTrace("Failed to load : " + path);
        return {};
    }
    if (!fn) return {};
    loaderTrace("Got result " + path);
    (*moduleNames_)[library] = path;
    return runtime::Primitive(fn);
}

void Lib::loaderTrace(const std::string& message) {
    if (std::getenv("FRAMEWORK_LOAD_DEBUG") == nullptr) return;
    std::string line = message + "\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}

runtime::String Lib::sysName() { return runtime::String("Linux"); }

// This platform has no development library manager: the fallback folder is always empty.
std::string Lib::devPackageFolder() { return ""; }

void Lib::setPackage(const runtime::String& company_, const runtime::String& file_,
                     const runtime::String& packageName_, const runtime::String& version_) {
    initClass();
    company = company_;
    file = file_;
    packageName = packageName_;
    version = version_;
    media_set_package(company, file, packageName, version);
}

void Lib::pause() {
    initClass();
    media_pause_animation();
}

void Lib::resume() {
    initClass();
    media_resume_animation();
}

void Lib::close() {
    runtime::Primitive close = load("media-native", "media_native_close", 0);
    close();
}

void Lib::notImplemented(const std::string& api) {
    if (!sentWarnings().insert(api).second) return;
    RUNTIME_TRACE(runtime::Value("Warning: " + api + " is not implemented"));
}

void Lib::trace(const runtime::Value& value) { RUNTIME_TRACE(value); }

int Lib::getTimer() { return runtime::Numbers::floatToInt(Timer::stamp() * 1000); }

runtime::Ref<MovieClip> Lib::get_current() {
    if (!current()) {
        current() = runtime::make<MovieClip>();
        if (stage()) stage()->addChild(current());
    }
    return current();
}

runtime::Ref<Stage> Lib::get_stage() {
    if (!stage()) runtime::Thrown::text("Error : stage can't be accessed until init is called");
    return stage();
}

void Lib::setCurrentStage_(const runtime::Ref<Stage>& s) { stage() = s; }

}  // namespace framework
