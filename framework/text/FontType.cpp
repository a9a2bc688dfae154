#include "FontType.h"

RUNTIME_DEFINE_ENUM(framework::FontType, "framework.text.FontType", "DEVICE", "EMBEDDED", "EMBEDDED_CFF")
