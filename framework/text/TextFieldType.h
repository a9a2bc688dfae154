#pragma once
// How a text field takes input; crosses to the back end as a flag (INPUT true).
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class TextFieldType { DYNAMIC, INPUT };

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::TextFieldType)
