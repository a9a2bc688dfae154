#pragma once
// The colour space a gradient interpolates in; crosses to the back end as its index.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class InterpolationMethod {
    RGB,
    LINEAR_RGB
};

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::InterpolationMethod)
