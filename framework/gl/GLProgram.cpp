#include "GLProgram.h"

namespace framework {

runtime::String GLProgram::getType() { return "Program"; }

void GLProgram::attach(const runtime::Ref<GLShader>& shader) {
    if (!shaders) shaders = runtime::make<runtime::Array>();
    shaders->push(runtime::Value(shader));
}

runtime::Ref<runtime::Array> GLProgram::getShaders() {
    return runtime::make<runtime::Array>(shaders ? shaders->items : std::vector<runtime::Value>());
}

}  // namespace framework

using framework::GLProgram;

RUNTIME_DEFINE_CLASS(GLProgram, "framework._native.gl.GLProgram", framework::GLObject, (auto& b) {
    using P = GLProgram;
    b.template field<&P::shaders>("shaders")
        .template method<&P::attach>("attach")
        .template method<&P::getShaders>("getShaders")
        .emptyInstance()
        .constructor([](const runtime::Value* args, int argc) -> runtime::Ref<runtime::Object> {
            return runtime::make<P>(argc > 0 ? args[0].toInt() : 0, argc > 1 ? args[1] : runtime::Value());
        });
})
