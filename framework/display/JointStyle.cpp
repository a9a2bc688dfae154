#include "JointStyle.h"

RUNTIME_DEFINE_ENUM(framework::JointStyle, "framework._native.display.JointStyle", "ROUND", "MITER", "BEVEL")
