#include "IEventDispatcher.h"

namespace framework {

const runtime::ClassInfo& IEventDispatcher::staticClass() {
    static const runtime::ClassInfo* info = [] {
        auto* ci = new runtime::ClassInfo("framework._native.events.IEventDispatcher", nullptr);
        runtime::ClassInfo::registerClass(ci);
        return ci;
    }();
    return *info;
}

namespace {
[[maybe_unused]] const bool registered = (IEventDispatcher::staticClass(), true);
}

}  // namespace framework
