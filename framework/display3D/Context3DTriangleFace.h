#pragma once
// The faces a 3D context culls, as plain integers: GL's face constants with front and back
// exchanged against GL's names (BACK is GL's FRONT, FRONT is GL's BACK); NONE culls nothing.
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class Context3DTriangleFace : public runtime::Object {
    RUNTIME_CLASS(Context3DTriangleFace)
public:
    static constexpr int BACK = 0x404;
    static constexpr int FRONT = 0x405;
    static constexpr int FRONT_AND_BACK = 0x408;
    static constexpr int NONE = 0;

    static int _new(int value) { return value; }
    static int fromInt(int value) { return value; }
    static int toInt(int value) { return value; }
};

}  // namespace framework
