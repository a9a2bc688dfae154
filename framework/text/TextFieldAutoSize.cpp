#include "TextFieldAutoSize.h"

RUNTIME_DEFINE_ENUM(framework::TextFieldAutoSize, "framework.text.TextFieldAutoSize", "CENTER", "LEFT", "NONE", "RIGHT")
