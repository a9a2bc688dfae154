#include "Texture.h"

namespace framework {

using runtime::Ref;

Texture::Texture(const Ref<GLTexture>& glTexture, bool optimizeForRenderToTexture, int width, int height)
    : TextureBase(glTexture, width, height), optimizeForRenderToTexture(optimizeForRenderToTexture) {
    if (optimizeForRenderToTexture) renderTargetState();
}

void Texture::uploadCompressedTextureFromByteArray(const Ref<ByteArray>&, int, bool) {}

void Texture::uploadFromBitmapData(const Ref<BitmapData>& source, int miplevel) {
    Ref<ByteArray> pixels = rgbaPixels(source);
    width = source->get_width();
    height = source->get_height();
    uploadFromByteArray(pixels, 0, miplevel);
}

void Texture::uploadFromByteArray(const Ref<ByteArray>& data, int, int miplevel) {
    uploadFromUInt8Array(runtime::make<UInt8Array>(runtime::Value(data)), miplevel);
}

void Texture::uploadFromUInt8Array(const Ref<UInt8Array>& data, int miplevel) {
    bindForUpload(optimizeForRenderToTexture);
    specify(miplevel, data);
}

}  // namespace framework

using framework::Texture;

RUNTIME_DEFINE_CLASS(Texture, "framework._native.display3D.textures.Texture", framework::TextureBase, (auto& b) {
    using T = Texture;
    b.template field<&T::optimizeForRenderToTexture>("optimizeForRenderToTexture")
        .template method<&T::uploadCompressedTextureFromByteArray>("uploadCompressedTextureFromByteArray")
        .template method<&T::uploadFromBitmapData>("uploadFromBitmapData")
        .template method<&T::uploadFromByteArray>("uploadFromByteArray")
        .template method<&T::uploadFromUInt8Array>("uploadFromUInt8Array")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<T>(a.object<framework::GLTexture>(0), a.flag(1), a.integer(2), a.integer(3));
        });
})
