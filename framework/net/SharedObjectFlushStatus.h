#pragma once
// What SharedObject::flush answers.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class SharedObjectFlushStatus { FLUSHED, PENDING };

}  // namespace framework

template <>
struct runtime::EnumTraits<framework::SharedObjectFlushStatus> {
    static const EnumInfo& info();
};
