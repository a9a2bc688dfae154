#include "SpreadMethod.h"

RUNTIME_DEFINE_ENUM(framework::SpreadMethod, "framework._native.display.SpreadMethod", "PAD", "REPEAT", "REFLECT")
