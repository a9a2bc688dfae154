#include "SharedObjectFlushStatus.h"

RUNTIME_DEFINE_ENUM(framework::SharedObjectFlushStatus, "framework.net.SharedObjectFlushStatus", "FLUSHED", "PENDING")
