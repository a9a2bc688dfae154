#include "IAssetCache.h"

namespace framework {

const runtime::ClassInfo& IAssetCache::staticClass() {
    static const runtime::ClassInfo* info = [] {
        auto* ci = new runtime::ClassInfo("framework._native.IAssetCache", nullptr);
        runtime::ClassInfo::registerClass(ci);
        return ci;
    }();
    return *info;
}

namespace {
[[maybe_unused]] const bool registered = (IAssetCache::staticClass(), true);
}

}  // namespace framework
