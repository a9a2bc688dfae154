#pragma once
// The program's entry: registers the product with the back end, asks it for the main frame and,
// once the frame is up, prepares the stage and the working folder and starts Main.
#include "platform/runtime/Function.h"
#include "platform/runtime/Object.h"

namespace game {

class ApplicationMain {
public:
    static constexpr const char* COMPANY = "quorvane";
    static constexpr const char* FILE = "Glintvault 2";
    static constexpr const char* PACKAGE = "com.quorvane.glintvault2";
    static constexpr const char* RELEASE = "1.0";
    static constexpr const char* TITLE = "Glintvault 2";
    static constexpr int WIDTH = 960;
    static constexpr int HEIGHT = 540;
    static constexpr double FRAME_RATE = 60.0;
    static constexpr int COLOR = 0xFFFFFF;

    static inline runtime::Ref<runtime::Object> barA;
    static inline runtime::Ref<runtime::Object> barB;
    static inline runtime::Ref<runtime::Object> container;
    static inline int forceWidth = 0;
    static inline int forceHeight = 0;

    // Returns when the back end's frame loop ends.
    static void main();
    // Registers the product and opens the main frame; onLoaded runs once it is up. Returns when
    // the frame loop ends.
    static void open(const runtime::Ref<runtime::Function>& onLoaded);
    // Runs entry (main by default) inside the start-up guard: an exception that escapes it is
    // shown in an "Error" box and gives the exit status -1; otherwise 0.
    static int runGuarded(void (*entry)() = &ApplicationMain::main);
    static void onLoaded();
    // The folder of the running executable becomes the working folder; failures are ignored.
    static void enterExecutableFolder();
};

}  // namespace game
