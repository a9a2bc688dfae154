#include "SharedObjectFlushStatus.h"

const runtime::EnumInfo& runtime::EnumTraits<framework::SharedObjectFlushStatus>::info() {
    static const EnumInfo e("framework.net.SharedObjectFlushStatus", {"FLUSHED", "PENDING"});
    return e;
}

namespace {
[[maybe_unused]] const bool registered = (runtime::EnumTraits<framework::SharedObjectFlushStatus>::info(), true);
}
