#include "GLBuffer.h"

namespace framework {

runtime::String GLBuffer::getType() { return "Buffer"; }

}  // namespace framework

using framework::GLBuffer;

RUNTIME_DEFINE_CLASS(GLBuffer, "framework._native.gl.GLBuffer", framework::GLObject, (auto& b) {
    b.emptyInstance().constructor([](const runtime::Value* args, int argc) -> runtime::Ref<runtime::Object> {
        return runtime::make<GLBuffer>(argc > 0 ? args[0].toInt() : 0, argc > 1 ? args[1] : runtime::Value());
    });
})
