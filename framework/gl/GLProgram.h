#pragma once
// The handle of a GL program object; it remembers the shaders attached through the binding.
#include <vector>

#include "GLObject.h"
#include "GLShader.h"
#include "platform/runtime/Array.h"

namespace framework {

class GLProgram : public GLObject {
    RUNTIME_CLASS(GLProgram)
public:
    GLProgram(int version, const runtime::Value& id) : GLObject(version, id), shaders(runtime::make<runtime::Array>()) {}
    explicit GLProgram(runtime::NoInit n) : GLObject(n) {}

    runtime::String getType() override;
    // Appends the shader, duplicates and invalid ones included.
    virtual void attach(const runtime::Ref<GLShader>& shader);
    // A new list of the attached shaders in attach order.
    virtual runtime::Ref<runtime::Array> getShaders();

    runtime::Ref<runtime::Array> shaders;
};

}  // namespace framework
