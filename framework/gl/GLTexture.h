#pragma once
// The handle of a GL texture object.
#include "GLObject.h"

namespace framework {

class GLTexture : public GLObject {
    RUNTIME_CLASS(GLTexture)
public:
    GLTexture(int version, const runtime::Value& id) : GLObject(version, id) {}
    explicit GLTexture(runtime::NoInit n) : GLObject(n) {}

    runtime::String getType() override;
};

}  // namespace framework
