// The process entry: runs the start-up chain inside a guard. An exception that escapes start-up
// is reported with the title "Error" and ends the process with status -1.
#include <cstdio>
#include <exception>

#include "ApplicationMain.h"

int main() {
    try {
        game::ApplicationMain::main();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Error: %s\n", e.what());
        return -1;
    } catch (...) {
        std::fprintf(stderr, "Error: unknown exception\n");
        return -1;
    }
    return 0;
}
