#pragma once
// The handle of a GL buffer object.
#include "GLObject.h"

namespace framework {

class GLBuffer : public GLObject {
    RUNTIME_CLASS(GLBuffer)
public:
    GLBuffer(int version, const runtime::Value& id) : GLObject(version, id) {}
    explicit GLBuffer(runtime::NoInit n) : GLObject(n) {}

    runtime::String getType() override;
};

}  // namespace framework
