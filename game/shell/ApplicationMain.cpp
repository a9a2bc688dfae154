#include "ApplicationMain.h"

#include <cstdio>
#include <filesystem>
#include <string>

#include "DocumentClass.h"
#include "Main.h"
#include "framework/Lib.h"
#include "framework/display/Loader.h"
#include "framework/display/LoaderInfo.h"
#include "framework/display/MovieClip.h"
#include "framework/display/Stage.h"
#include "platform/runtime/Thrown.h"
#include "platform/system/FileSystem.h"

namespace game {

using framework::Lib;

void ApplicationMain::main() { open(runtime::Function::of<&ApplicationMain::onLoaded>()); }

void ApplicationMain::open(const runtime::Ref<runtime::Function>& onLoaded) {
    Lib::setPackage(COMPANY, FILE, PACKAGE, RELEASE);
    Lib::create(onLoaded, WIDTH, HEIGHT, FRAME_RATE, COLOR,
                Lib::RESIZABLE | Lib::HARDWARE | Lib::VSYNC | Lib::ALLOW_SHADERS | Lib::STENCIL_BUFFER, TITLE);
}

int ApplicationMain::runGuarded(void (*entry)()) {
    std::string message;
    try {
        entry();
        return 0;
    } catch (const runtime::Thrown& e) {
        message = e.value().toText();
    } catch (const std::exception& e) {
        message = e.what();
    } catch (...) {
        message = "unknown exception";
    }
    std::fprintf(stderr, "Error: %s\n", message.c_str());
    try {
        Lib::showErrorBox("Error", message);
    } catch (...) {
    }
    return -1;
}

void ApplicationMain::onLoaded() {
    auto current = Lib::get_current();
    auto stage = current->get_stage();
    stage->set_align(framework::StageAlign::TOP_LEFT);
    stage->set_scaleMode(framework::StageScaleMode::NO_SCALE);
    current->loaderInfo = framework::LoaderInfo::create(nullptr);
    enterExecutableFolder();

    const runtime::ClassInfo& mainClass = Main::staticClass();
    for (const std::string& name : mainClass.staticNames()) {
        if (name != "main") continue;
        runtime::Value fn = mainClass.findStatic(name)->get(nullptr);
        if (auto* f = fn.function()) (*f)();
        return;
    }
    auto document = runtime::make<DocumentClass>();
    current->addChild(document);
}

void ApplicationMain::enterExecutableFolder() {
    try {
        std::error_code ec;
        std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
        if (ec) return;
        sys::FileSystem::setCwd(exe.has_parent_path() ? exe.parent_path().string() : std::string());
    } catch (...) {
    }
}

}  // namespace game
