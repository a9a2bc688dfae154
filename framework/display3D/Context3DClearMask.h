#pragma once
// The buffers a 3D context's clear touches, as GL's clear bits; ALL is the union of the three.
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class Context3DClearMask : public runtime::Object {
    RUNTIME_CLASS(Context3DClearMask)
public:
    static constexpr int COLOR = 0x4000;
    static constexpr int DEPTH = 0x100;
    static constexpr int STENCIL = 0x400;
    static constexpr int ALL = COLOR | DEPTH | STENCIL;
};

}  // namespace framework
