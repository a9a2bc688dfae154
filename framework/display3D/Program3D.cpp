#include "Program3D.h"

#include "framework/gl/GL.h"
#include "platform/runtime/Thrown.h"

namespace framework {

void Program3D::dispose() { GL::deleteProgram(glProgram); }

void Program3D::upload(const runtime::Ref<GLShader>& vertexShader, const runtime::Ref<GLShader>& fragmentShader) {
    GL::attachShader(glProgram, vertexShader);
    GL::attachShader(glProgram, fragmentShader);
    GL::linkProgram(glProgram);
    if (GL::getProgramParameter(glProgram, GL::LINK_STATUS) != 0) return;
    runtime::String log = GL::getProgramInfoLog(glProgram);
    if (log.isNull() || log.str().empty()) return;
    throw runtime::Thrown(runtime::Value(log));
}

}  // namespace framework

using framework::Program3D;

RUNTIME_DEFINE_CLASS(Program3D, "framework._native.display3D.Program3D", runtime::Object, (auto& b) {
    b.template field<&Program3D::glProgram>("glProgram")
        .template method<&Program3D::dispose>("dispose")
        .template method<&Program3D::upload>("upload")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            return runtime::make<Program3D>(runtime::Args(v, n).object<framework::GLProgram>(0));
        });
})
