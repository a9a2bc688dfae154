#pragma once
// The handle of a GL framebuffer object.
#include "GLObject.h"

namespace framework {

class GLFramebuffer : public GLObject {
    RUNTIME_CLASS(GLFramebuffer)
public:
    GLFramebuffer(int version, const runtime::Value& id) : GLObject(version, id) {}
    explicit GLFramebuffer(runtime::NoInit n) : GLObject(n) {}

    runtime::String getType() override;
};

}  // namespace framework
