#include "FontStyle.h"

RUNTIME_DEFINE_ENUM(framework::FontStyle, "framework.text.FontStyle", "BOLD", "BOLD_ITALIC", "ITALIC", "REGULAR")
