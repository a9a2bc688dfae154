#pragma once
// A GL program of a 3D context: its uniforms and attributes follow the context's naming (vc0,
// fc0, fs0, va0, yflip). The shaders come compiled through the GL binding.
#include "framework/gl/GLProgram.h"
#include "framework/gl/GLShader.h"

namespace framework {

class Program3D : public runtime::Object {
    RUNTIME_CLASS(Program3D)
public:
    explicit Program3D(const runtime::Ref<GLProgram>& glProgram) : glProgram(glProgram) {}
    explicit Program3D(runtime::NoInit) {}

    // Deletes the GL program (the shaders are neither detached nor deleted).
    virtual void dispose();
    // Attaches both shaders and links. A failed link throws its log as plain text; a failed link
    // with an empty log returns quietly.
    virtual void upload(const runtime::Ref<GLShader>& vertexShader, const runtime::Ref<GLShader>& fragmentShader);

    runtime::Ref<GLProgram> glProgram;
};

}  // namespace framework
