#pragma once
// A 2D texture of a 3D context. With optimizeForRenderToTexture, its constructor and every
// upload also issue the render-target state (flip on upload, nearest filters, clamped edges).
#include "TextureBase.h"
#include "framework/utils/UInt8Array.h"

namespace framework {

class Texture : public TextureBase {
    RUNTIME_CLASS(Texture)
public:
    // With the flag, the render-target state goes to whatever texture is bound to TEXTURE_2D.
    Texture(const runtime::Ref<GLTexture>& glTexture, bool optimizeForRenderToTexture, int width, int height);
    explicit Texture(runtime::NoInit n) : TextureBase(n) {}

    // Does nothing.
    virtual void uploadCompressedTextureFromByteArray(const runtime::Ref<ByteArray>& data, int byteArrayOffset,
                                                      bool async = false);
    // Takes the source's size, then uploads its pixels as RGBA.
    virtual void uploadFromBitmapData(const runtime::Ref<BitmapData>& source, int miplevel = 0);
    // The whole of data from its first byte (byteArrayOffset is not used).
    virtual void uploadFromByteArray(const runtime::Ref<ByteArray>& data, int byteArrayOffset, int miplevel = 0);
    // width × height RGBA pixels from the view's start, whatever the level.
    virtual void uploadFromUInt8Array(const runtime::Ref<UInt8Array>& data, int miplevel = 0);

    bool optimizeForRenderToTexture = false;
};

}  // namespace framework
