#pragma once
// How a text field's box follows its text; the back end keeps the index, so the order is part of the
// native interface.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class TextFieldAutoSize { CENTER, LEFT, NONE, RIGHT };

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::TextFieldAutoSize)
