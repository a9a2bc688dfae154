// Opens the save named argv[1] through the real back end and prints how many fields its data
// holds ("fields=N"). The storage folder comes from XDG_DATA_HOME.
#include <cstdio>

#include "framework/Lib.h"
#include "framework/net/SharedObject.h"

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    framework::Lib::setPackage("GlvTest", "Saves", "glv.test", "1");
    auto so = framework::SharedObject::getLocal(argv[1]);
    std::printf("fields=%zu\n", so->data->fieldNames().size());
    return 0;
}
