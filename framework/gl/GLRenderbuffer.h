#pragma once
// The handle of a GL renderbuffer object.
#include "GLObject.h"

namespace framework {

class GLRenderbuffer : public GLObject {
    RUNTIME_CLASS(GLRenderbuffer)
public:
    GLRenderbuffer(int version, const runtime::Value& id) : GLObject(version, id) {}
    explicit GLRenderbuffer(runtime::NoInit n) : GLObject(n) {}

    runtime::String getType() override;
};

}  // namespace framework
