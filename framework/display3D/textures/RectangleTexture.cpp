#include "RectangleTexture.h"

#include "framework/gl/GL.h"
#include "framework/utils/UInt8Array.h"

namespace framework {

using runtime::Ref;

RectangleTexture::RectangleTexture(const Ref<GLTexture>& glTexture, bool optimizeForRenderToTexture, int width,
                                   int height)
    : TextureBase(glTexture, width, height), optimizeForRenderToTexture(optimizeForRenderToTexture) {
    if (optimizeForRenderToTexture) GL::pixelStorei(GL::UNPACK_FLIP_Y_WEBGL, 1);
    renderTargetParameters();
}

void RectangleTexture::uploadFromBitmapData(const Ref<BitmapData>& source, int) {
    Ref<ByteArray> pixels = rgbaPixels(source);
    width = source->get_width();
    height = source->get_height();
    uploadFromByteArray(pixels, 0);
}

void RectangleTexture::uploadFromByteArray(const Ref<ByteArray>& data, int) {
    bindForUpload(optimizeForRenderToTexture);
    specify(0, runtime::make<UInt8Array>(runtime::Value(data)));
}

}  // namespace framework

using framework::RectangleTexture;

RUNTIME_DEFINE_CLASS(RectangleTexture, "framework._native.display3D.textures.RectangleTexture",
                     framework::TextureBase, (auto& b) {
    using T = RectangleTexture;
    b.template field<&T::optimizeForRenderToTexture>("optimizeForRenderToTexture")
        .template method<&T::uploadFromBitmapData>("uploadFromBitmapData")
        .template method<&T::uploadFromByteArray>("uploadFromByteArray")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<T>(a.object<framework::GLTexture>(0), a.flag(1), a.integer(2), a.integer(3));
        });
})
