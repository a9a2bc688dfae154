#include "AntiAliasType.h"

RUNTIME_DEFINE_ENUM(framework::AntiAliasType, "framework.text.AntiAliasType", "ADVANCED", "NORMAL")
