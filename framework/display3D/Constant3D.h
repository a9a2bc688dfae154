#pragma once
// A read-only integer static of the 3D context's classes, read by name:
//   b.info().addStatic(constant3D<Context3DClearMask::ALL>("ALL"));
#include "platform/runtime/ClassBuilder.h"

namespace framework {

template <int V>
runtime::Member constant3D(const char* name) {
    runtime::Member m;
    m.name = name;
    m.get = [](runtime::Object*) -> runtime::Value { return runtime::Value(V); };
    return m;
}

}  // namespace framework
