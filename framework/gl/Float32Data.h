#pragma once
// The value in which the GL binding takes a list of floats: an array of numbers as it is, or a
// Float32Array's whole byte buffer. The back end receives the held value unchanged.
#include "framework/utils/Float32Array.h"
#include "platform/runtime/Array.h"

namespace framework {

class Float32Data : public runtime::Object {
    RUNTIME_CLASS(Float32Data)
public:
    static runtime::Value _new(const runtime::Value& value) { return value; }
    static runtime::Value toDynamic(const runtime::Value& value) { return value; }
    // The array's byte buffer (the whole buffer: start and length are not kept).
    static runtime::Value fromFloat32Array(const runtime::Ref<Float32Array>& array);
    static runtime::Value fromArrayFloat(const runtime::Ref<runtime::Array>& array) { return runtime::Value(array); }
};

}  // namespace framework
