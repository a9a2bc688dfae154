#include "IDataOutput.h"

namespace framework {

const runtime::ClassInfo& IDataOutput::staticClass() {
    static const runtime::ClassInfo* info = [] {
        auto* ci = new runtime::ClassInfo("framework._native.utils.IDataOutput", nullptr);
        runtime::ClassInfo::registerClass(ci);
        return ci;
    }();
    return *info;
}

namespace {
[[maybe_unused]] const bool registered = (IDataOutput::staticClass(), true);
}

}  // namespace framework
