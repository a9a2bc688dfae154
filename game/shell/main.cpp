// The game's process entry. Until the stage exists this opens the main window, keeps it
// drawn and ends when it is closed.
#include <cstdio>

#include "framework/Lib.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/Function.h"

using framework::Lib;
using runtime::Value;

namespace {
constexpr int WINDOW_FLAGS = 0x49C;  // resizable, hardware, vsync, shaders, stencil buffer
constexpr int ET_POLL = 9;
constexpr int ET_QUIT = 10;

void run() {
    Lib::setPackage("quorvane", "Glintvault 2", "com.quorvane.glintvault2", "0.1");
    runtime::Primitive createMainFrame = Lib::load("media-native", "media_native_create_main_frame", -1);
    runtime::Primitive setHandler = MEDIA_LOAD(media_native_set_stage_handler);
    runtime::Primitive setNextWake = MEDIA_LOAD(media_native_stage_set_next_wake);
    runtime::Primitive renderStage = MEDIA_LOAD(media_native_render_stage);
    runtime::Primitive close = MEDIA_LOAD(media_native_close);

    auto onFrame = runtime::Function::of([&](Value frame) {
        Value stage = Lib::media_get_frame_stage(frame);
        auto handler = runtime::Function::of([&, stage](Value event) {
            int type = event.field("type").toInt();
            if (type == ET_QUIT) close();
            if (type == ET_POLL) renderStage(stage);
            setNextWake(stage, 1.0 / 60.0);
        });
        setHandler(stage, handler, 960, 540);
    });
    createMainFrame(onFrame, 960, 540, WINDOW_FLAGS, "Glintvault 2", nullptr);
}
}  // namespace

int main() {
    try {
        Lib::initClass();
        run();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Error: %s\n", e.what());
        return 1;
    }
    return 0;
}
