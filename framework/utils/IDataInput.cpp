#include "IDataInput.h"

namespace framework {

const runtime::ClassInfo& IDataInput::staticClass() {
    static const runtime::ClassInfo* info = [] {
        auto* ci = new runtime::ClassInfo("framework._native.utils.IDataInput", nullptr);
        runtime::ClassInfo::registerClass(ci);
        return ci;
    }();
    return *info;
}

namespace {
[[maybe_unused]] const bool registered = (IDataInput::staticClass(), true);
}

}  // namespace framework
