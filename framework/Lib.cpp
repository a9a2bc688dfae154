#include "Lib.h"

#include <cstdio>
#include <cstdlib>

#include "framework/display/ManagedStage.h"
#include "framework/display/MovieClip.h"
#include "framework/events/UncaughtErrorEvent.h"
#include "framework/utils/Timer.h"
#include "platform/runtime/Numbers.h"
#include "framework/display/Stage.h"
#include "framework/net/URLRequest.h"
#include "framework/utils/ByteArray.h"
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
        media_show_error_box = MEDIA_LOAD(media_native_show_error_box);
        // The back end makes byte arrays through callbacks registered here.
        ByteArray::initClass();
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
    // The plain name first: the module loader looks beside the executable before the system's
    // paths. The current folder comes after it, so a module dropped there cannot replace ours.
    runtime::Primitive result = tryLoad(library, library, name, argCount);
    if (!result) result = tryLoad("./" + library, library, name, argCount);
    if (!result) result = tryLoad(".\\" + library, library, name, argCount);
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

bool Lib::showErrorBox(const runtime::String& title, const runtime::String& message) {
    initClass();
    if (!media_show_error_box) return false;
    return media_show_error_box(title, message).toBool();
}

void Lib::getURL(const runtime::Ref<URLRequest>& request, const runtime::String&) {
    initClass();
    media_get_url(request ? request->url : runtime::String());
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
    Stage::exiting_ = true;
    runtime::Primitive close = load("media-native", "media_native_close", 0);
    close();
}

void Lib::create(const runtime::Ref<runtime::Function>& onLoaded, int width, int height, double frameRate, int color,
                 int flags, const runtime::String& title, const runtime::Value& icon,
                 const runtime::ClassInfo* stageClass) {
    initClass();
    if (isInit_) {
        if (silentRecreate) {
            runtime::call(onLoaded);
            return;
        }
        runtime::Thrown::text(
            "flash.Lib.create called multiple times. This function is automatically called by the project code.");
    }
    isInit_ = true;
    initWidth = width;
    initHeight = height;
    auto onFrameCreated = runtime::Function::of([=](runtime::Value frameHandle) {
        try {
            mainFrame_ = frameHandle;
            runtime::Value stageHandle = media_get_frame_stage(frameHandle);
            runtime::Ref<Stage> stage;
            if (stageClass) {
                runtime::Value args[] = {stageHandle, runtime::Value(width), runtime::Value(height)};
                stage = stageClass->create(args, 3).cast<Stage>();
            }
            if (!stage) stage = runtime::make<Stage>(stageHandle, width, height);
            setCurrentStage_(stage);
            stage->set_frameRate(frameRate);
            stage->set_opaqueBackground(runtime::Value(color));
            stage->onQuit = runtime::Function::of([] { close(); });
            if (current()) stage->addChild(current());
            runtime::call(onLoaded);
        } catch (const runtime::Thrown& t) {
            runtime::Thrown::Scope scope(std::current_exception());
            rethrow(t.value());
        } catch (const std::exception& e) {
            rethrow(runtime::Value(std::string(e.what())));
        }
    });
    runtime::Primitive createMainFrame = load("media-native", "media_native_create_main_frame", -1);
    runtime::String windowTitle = title.isNull() ? runtime::String("Application") : title;
    createMainFrame(onFrameCreated, width, height, flags, windowTitle, icon.isNull() ? runtime::Value() : icon.field("__handle"));
}

runtime::Ref<ManagedStage> Lib::createManagedStage(int width, int height, int flags) {
    initWidth = width;
    initHeight = height;
    auto stage = runtime::make<ManagedStage>(width, height, flags);
    setCurrentStage_(stage);
    return stage;
}

runtime::Ref<MovieClip> Lib::attach(const runtime::String&) { return runtime::make<MovieClip>(); }

int Lib::getTimer() { return runtime::Numbers::floatToInt(Timer::stamp() * 1000.0); }

void Lib::exit() {
    runtime::Ref<Stage> s = get_stage();
    if (s->onQuit) (*s->onQuit)();
}

void Lib::forceClose() {
    runtime::Primitive terminate = load("media-native", "media_native_terminate", 0);
    terminate();
}

void Lib::setIcon(const runtime::String& path) {
    runtime::Primitive setIcon = load("media-native", "media_native_set_icon", 1);
    setIcon(path);
}

void Lib::rethrow(const runtime::Value& error) {
    auto event = runtime::make<UncaughtErrorEvent>(UncaughtErrorEvent::UNCAUGHT_ERROR, true, true, error);
    if (uncaughtExceptionHandler_ && (*uncaughtExceptionHandler_)(runtime::Value(event)).toBool()) return;
    runtime::Ref<MovieClip> root = get_current();
    // Without a loader info (before the game shell gives the root clip one) nobody can listen.
    runtime::Value dispatcher = runtime::Value(root->loaderInfo).field("uncaughtErrorEvents");
    if (auto* events = dispatcher.as<EventDispatcher>()) {
        events->dispatchEvent(event);
        if (event->getIsCancelled_()) return;
    }
    std::string report = !error.isNull() && !error.toText().empty() ? error.toText() : std::string();
    const auto& stack = runtime::Thrown::currentCallStack();
    if (!stack.empty()) {
        for (const std::string& frame : stack) report += "\nCalled from " + frame;
        report += "\n";
    } else {
        report += "\n";
    }
    std::fwrite(report.data(), 1, report.size(), stderr);
    std::fflush(stderr);
    std::fflush(stdout);
    std::_Exit(1);
}

void Lib::notImplemented(const std::string& api) {
    if (!sentWarnings().insert(api).second) return;
    RUNTIME_TRACE(runtime::Value("Warning: " + api + " is not implemented"));
}

void Lib::trace(const runtime::Value& value) { RUNTIME_TRACE(value); }


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
