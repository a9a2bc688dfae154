#pragma once
// How a gradient continues past its ends; crosses to the back end as its index.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class SpreadMethod {
    PAD,
    REPEAT,
    REFLECT
};

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::SpreadMethod)
