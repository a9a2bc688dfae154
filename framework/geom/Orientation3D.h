#pragma once
// How a rotation is packed into a Vector3D: an axis (x, y, z) with the angle in w; Euler angles
// about x, y and z in radians; or a unit quaternion with w its scalar part.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class Orientation3D { AXIS_ANGLE, EULER_ANGLES, QUATERNION };

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::Orientation3D)
