// The game's process entry. Until the game shell exists this opens the main window through the
// framework and runs until it is closed.
#include <cstdio>

#include "framework/Lib.h"
#include "framework/display/Stage.h"

using framework::Lib;

int main() {
    try {
        Lib::setPackage("quorvane", "Glintvault 2", "com.quorvane.glintvault2", "0.1");
        Lib::create(runtime::Function::of([] {}), 960, 540, 60, 0xFFFFFF,
                    Lib::RESIZABLE | Lib::HARDWARE | Lib::VSYNC | Lib::ALLOW_SHADERS | Lib::STENCIL_BUFFER,
                    "Glintvault 2");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Error: %s\n", e.what());
        return 1;
    }
    return 0;
}
