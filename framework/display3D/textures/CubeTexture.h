#pragma once
// A cube texture of a 3D context: six faces of size × size pixels on one GL cube-map texture.
// It also holds six further texture handles, which only glTextureAt hands out.
#include "TextureBase.h"
#include "platform/runtime/Array.h"

namespace framework {

class CubeTexture : public TextureBase {
    RUNTIME_CLASS(CubeTexture)
public:
    // Makes the six further handles with GL::createTexture, in order.
    CubeTexture(const runtime::Ref<GLTexture>& glTexture, int size);
    explicit CubeTexture(runtime::NoInit n) : TextureBase(n) {}

    // The further handle at index, null outside 0..5.
    virtual runtime::Ref<GLTexture> glTextureAt(int index);
    // Do nothing.
    virtual void uploadCompressedTextureFromByteArray(const runtime::Ref<ByteArray>& data, int byteArrayOffset,
                                                      bool async = false);
    virtual void uploadFromByteArray(const runtime::Ref<ByteArray>& data, int byteArrayOffset, int side,
                                     int miplevel = 0);
    // The source's pixels as RGBA, at its own size, to face side (0 to 5: +x, −x, +y, −y, +z, −z);
    // any other side throws "unknown side type" with the cube left bound.
    virtual void uploadFromBitmapData(const runtime::Ref<BitmapData>& source, int side, int miplevel = 0);

    int size = 0;
    runtime::Ref<runtime::Array> _textures;
};

}  // namespace framework
