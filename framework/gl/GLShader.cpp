#include "GLShader.h"

namespace framework {

runtime::String GLShader::getType() { return "Shader"; }

bool GLShader::isValid() {
    if (id.isNumber() && id.toFloat() == 0) return false;
    return GLObject::isValid();
}

}  // namespace framework

using framework::GLShader;

RUNTIME_DEFINE_CLASS(GLShader, "framework._native.gl.GLShader", framework::GLObject, (auto& b) {
    b.emptyInstance().constructor([](const runtime::Value* args, int argc) -> runtime::Ref<runtime::Object> {
        return runtime::make<GLShader>(argc > 0 ? args[0].toInt() : 0, argc > 1 ? args[1] : runtime::Value());
    });
})
