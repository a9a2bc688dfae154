#include "CubeTexture.h"

#include "framework/gl/GL.h"
#include "framework/utils/UInt8Array.h"
#include "platform/runtime/Thrown.h"

namespace framework {

using runtime::Ref;

CubeTexture::CubeTexture(const Ref<GLTexture>& glTexture, int size)
    : TextureBase(glTexture, size, size), size(size), _textures(runtime::make<runtime::Array>()) {
    for (int i = 0; i < 6; ++i) _textures->push(runtime::Value(GL::createTexture()));
}

Ref<GLTexture> CubeTexture::glTextureAt(int index) {
    if (index < 0 || index > 5 || !_textures) return nullptr;
    return Ref<GLTexture>(_textures->at(index).as<GLTexture>());
}

void CubeTexture::uploadCompressedTextureFromByteArray(const Ref<ByteArray>&, int, bool) {}

void CubeTexture::uploadFromByteArray(const Ref<ByteArray>&, int, int, int) {}

void CubeTexture::uploadFromBitmapData(const Ref<BitmapData>& source, int side, int miplevel) {
    auto pixels = runtime::make<UInt8Array>(runtime::Value(rgbaPixels(source)));
    GL::bindTexture(GL::TEXTURE_CUBE_MAP, glTexture);
    if (side < 0 || side > 5) runtime::Thrown::text("unknown side type");
    GL::texImage2D(GL::TEXTURE_CUBE_MAP_POSITIVE_X + side, miplevel, GL::RGBA, source->get_width(),
                   source->get_height(), 0, GL::RGBA, GL::UNSIGNED_BYTE, pixels);
    GL::bindTexture(GL::TEXTURE_CUBE_MAP, nullptr);
}

}  // namespace framework

using framework::CubeTexture;

RUNTIME_DEFINE_CLASS(CubeTexture, "framework._native.display3D.textures.CubeTexture", framework::TextureBase,
                     (auto& b) {
    using T = CubeTexture;
    b.template field<&T::size>("size")
        .template field<&T::_textures>("_textures")
        .template method<&T::glTextureAt>("glTextureAt")
        .template method<&T::uploadCompressedTextureFromByteArray>("uploadCompressedTextureFromByteArray")
        .template method<&T::uploadFromBitmapData>("uploadFromBitmapData")
        .template method<&T::uploadFromByteArray>("uploadFromByteArray")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<T>(a.object<framework::GLTexture>(0), a.integer(1));
        });
})
