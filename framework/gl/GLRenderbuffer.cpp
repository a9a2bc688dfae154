#include "GLRenderbuffer.h"

namespace framework {

runtime::String GLRenderbuffer::getType() { return "Renderbuffer"; }

}  // namespace framework

using framework::GLRenderbuffer;

RUNTIME_DEFINE_CLASS(GLRenderbuffer, "framework._native.gl.GLRenderbuffer", framework::GLObject, (auto& b) {
    b.emptyInstance().constructor([](const runtime::Value* args, int argc) -> runtime::Ref<runtime::Object> {
        return runtime::make<GLRenderbuffer>(argc > 0 ? args[0].toInt() : 0, argc > 1 ? args[1] : runtime::Value());
    });
})
