#pragma once
// Which triangles drawTriangles leaves out, by their winding.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class TriangleCulling {
    POSITIVE,
    NONE,
    NEGATIVE
};

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::TriangleCulling)
