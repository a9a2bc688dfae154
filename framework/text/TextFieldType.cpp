#include "TextFieldType.h"

RUNTIME_DEFINE_ENUM(framework::TextFieldType, "framework.text.TextFieldType", "DYNAMIC", "INPUT")
