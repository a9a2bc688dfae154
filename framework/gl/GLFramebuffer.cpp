#include "GLFramebuffer.h"

namespace framework {

runtime::String GLFramebuffer::getType() { return "Framebuffer"; }

}  // namespace framework

using framework::GLFramebuffer;

RUNTIME_DEFINE_CLASS(GLFramebuffer, "framework._native.gl.GLFramebuffer", framework::GLObject, (auto& b) {
    b.emptyInstance().constructor([](const runtime::Value* args, int argc) -> runtime::Ref<runtime::Object> {
        return runtime::make<GLFramebuffer>(argc > 0 ? args[0].toInt() : 0, argc > 1 ? args[1] : runtime::Value());
    });
})
