// Flushes the save "crash" again and again through the real back end, alternating between two
// contents of different lengths, until it is killed or has flushed argv[1] times.
// The storage folder comes from XDG_DATA_HOME.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "framework/Lib.h"
#include "framework/net/SharedObject.h"

int main(int argc, char** argv) {
    long rounds = argc > 1 ? std::atol(argv[1]) : 1000000;
    framework::Lib::setPackage("GlvTest", "Saves", "glv.test", "1");
    auto so = framework::SharedObject::getLocal("crash");
    for (long i = 0; i < rounds; ++i) {
        so->setProperty("n", static_cast<int>(i));
        so->setProperty("pad", std::string(i % 2 ? 150000 : 60000, i % 2 ? 'a' : 'b'));
        so->flush();
        if (i == 0) {
            std::puts("flushing");
            std::fflush(stdout);
        }
    }
    return 0;
}
