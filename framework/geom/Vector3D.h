#pragma once
// A 3D vector; the 2D matrix's row and column copies use its x, y and z.
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class Vector3D : public runtime::Object {
    RUNTIME_CLASS(Vector3D)
public:
    explicit Vector3D(double x = 0, double y = 0, double z = 0, double w = 0) : x(x), y(y), z(z), w(w) {}
    explicit Vector3D(runtime::NoInit) {}

    double x = 0;
    double y = 0;
    double z = 0;
    double w = 0;
};

}  // namespace framework
