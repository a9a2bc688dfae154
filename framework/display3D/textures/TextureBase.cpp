#include "TextureBase.h"

#include "framework/display/BitmapDataChannel.h"
#include "framework/geom/Point.h"
#include "framework/gl/GL.h"

namespace framework {

using runtime::Ref;

void TextureBase::dispose() { GL::deleteTexture(glTexture); }

Ref<ByteArray> TextureBase::rgbaPixels(const Ref<BitmapData>& source) {
    auto reordered = runtime::make<BitmapData>(source->get_width(), source->get_height(), source->get_transparent());
    auto rect = source->get_rect();
    auto origin = runtime::make<Point>(0, 0);
    // Each word's bytes A, R, G, B come to hold the source's R, G, B, A.
    reordered->copyChannel(source, rect, origin, BitmapDataChannel::GREEN, BitmapDataChannel::RED);
    reordered->copyChannel(source, rect, origin, BitmapDataChannel::BLUE, BitmapDataChannel::GREEN);
    reordered->copyChannel(source, rect, origin, BitmapDataChannel::ALPHA, BitmapDataChannel::BLUE);
    reordered->copyChannel(source, rect, origin, BitmapDataChannel::RED, BitmapDataChannel::ALPHA);
    Ref<runtime::Bytes> pixels = reordered->getPixels(rect);
    if (auto* bytes = dynamic_cast<ByteArray*>(pixels.get())) return Ref<ByteArray>(bytes);
    return pixels ? ByteArray::fromBytes(pixels) : Ref<ByteArray>();
}

void TextureBase::renderTargetParameters() {
    GL::texParameteri(GL::TEXTURE_2D, GL::TEXTURE_MAG_FILTER, GL::NEAREST);
    GL::texParameteri(GL::TEXTURE_2D, GL::TEXTURE_MIN_FILTER, GL::NEAREST);
    GL::texParameteri(GL::TEXTURE_2D, GL::TEXTURE_WRAP_S, GL::CLAMP_TO_EDGE);
    GL::texParameteri(GL::TEXTURE_2D, GL::TEXTURE_WRAP_T, GL::CLAMP_TO_EDGE);
}

void TextureBase::renderTargetState() {
    GL::pixelStorei(GL::UNPACK_FLIP_Y_WEBGL, 1);
    renderTargetParameters();
}

void TextureBase::bindForUpload(bool renderTarget) {
    GL::bindTexture(GL::TEXTURE_2D, glTexture);
    if (renderTarget) renderTargetState();
}

void TextureBase::specify(int level, const Ref<ArrayBufferView>& pixels) {
    GL::texImage2D(GL::TEXTURE_2D, level, GL::RGBA, width, height, 0, GL::RGBA, GL::UNSIGNED_BYTE, pixels);
    GL::bindTexture(GL::TEXTURE_2D, nullptr);
}

}  // namespace framework

using framework::TextureBase;

RUNTIME_DEFINE_CLASS(TextureBase, "framework._native.display3D.textures.TextureBase", framework::EventDispatcher,
                     (auto& b) {
    using T = TextureBase;
    b.template field<&T::width>("width")
        .template field<&T::height>("height")
        .template field<&T::glTexture>("glTexture")
        .template field<&T::frameBuffer>("frameBuffer")
        .template method<&T::dispose>("dispose")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<T>(a.object<framework::GLTexture>(0), a.integer(1), a.integer(2));
        });
})
