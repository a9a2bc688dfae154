#pragma once
// The handle of a GL shader object.
#include "GLObject.h"

namespace framework {

class GLShader : public GLObject {
    RUNTIME_CLASS(GLShader)
public:
    GLShader(int version, const runtime::Value& id) : GLObject(version, id) {}
    explicit GLShader(runtime::NoInit n) : GLObject(n) {}

    runtime::String getType() override;
    // An identifier equal to the number 0 is the back end's "no shader".
    bool isValid() override;
};

}  // namespace framework
