#include "EventPhase.h"

RUNTIME_DEFINE_ENUM(framework::EventPhase, "framework.events.EventPhase", "CAPTURING_PHASE", "AT_TARGET", "BUBBLING_PHASE")
