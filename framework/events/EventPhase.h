#pragma once
// The three phases of an event's flow through the display tree.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class EventPhase { CAPTURING_PHASE, AT_TARGET, BUBBLING_PHASE };

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::EventPhase)
