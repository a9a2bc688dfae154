#pragma once
// A 4 × 4 matrix whose 16 entries live in rawData (an array of numbers).
#include "platform/runtime/Array.h"
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class Matrix3D : public runtime::Object {
    RUNTIME_CLASS(Matrix3D)
public:
    // An array of exactly 16 entries becomes rawData itself (shared, not copied); anything else
    // gives the identity.
    explicit Matrix3D(const runtime::Ref<runtime::Array>& v = nullptr);
    explicit Matrix3D(runtime::NoInit) {}

    runtime::Ref<runtime::Array> rawData;
};

}  // namespace framework
