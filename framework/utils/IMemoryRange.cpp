#include "IMemoryRange.h"

namespace framework {

const runtime::ClassInfo& IMemoryRange::staticClass() {
    static const runtime::ClassInfo* info = [] {
        auto* ci = new runtime::ClassInfo("framework._native.utils.IMemoryRange", nullptr);
        runtime::ClassInfo::registerClass(ci);
        return ci;
    }();
    return *info;
}

namespace {
[[maybe_unused]] const bool registered = (IMemoryRange::staticClass(), true);
}

}  // namespace framework
