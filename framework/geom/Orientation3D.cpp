#include "Orientation3D.h"

RUNTIME_DEFINE_ENUM(framework::Orientation3D, "framework._native.geom.Orientation3D", "AXIS_ANGLE", "EULER_ANGLES",
                    "QUATERNION")
