#pragma once
// What SharedObject::flush answers.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class SharedObjectFlushStatus { FLUSHED, PENDING };

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::SharedObjectFlushStatus)
