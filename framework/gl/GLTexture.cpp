#include "GLTexture.h"

namespace framework {

runtime::String GLTexture::getType() { return "Texture"; }

}  // namespace framework

using framework::GLTexture;

RUNTIME_DEFINE_CLASS(GLTexture, "framework._native.gl.GLTexture", framework::GLObject, (auto& b) {
    b.emptyInstance().constructor([](const runtime::Value* args, int argc) -> runtime::Ref<runtime::Object> {
        return runtime::make<GLTexture>(argc > 0 ? args[0].toInt() : 0, argc > 1 ? args[1] : runtime::Value());
    });
})
