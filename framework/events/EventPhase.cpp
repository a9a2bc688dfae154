#include "EventPhase.h"

const runtime::EnumInfo& runtime::EnumTraits<framework::EventPhase>::info() {
    static const EnumInfo e("framework.events.EventPhase", {"CAPTURING_PHASE", "AT_TARGET", "BUBBLING_PHASE"});
    return e;
}

namespace {
[[maybe_unused]] const bool registered = (runtime::EnumTraits<framework::EventPhase>::info(), true);
}
