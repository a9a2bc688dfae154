#pragma once
// A rectangle texture of a 3D context: a 2D texture that is never mip-mapped and always clamps
// its edges.
#include "TextureBase.h"

namespace framework {

class RectangleTexture : public TextureBase {
    RUNTIME_CLASS(RectangleTexture)
public:
    // Issues, on whatever texture is bound to TEXTURE_2D, the flip (with the flag only) and the
    // four parameters of the render-target state.
    RectangleTexture(const runtime::Ref<GLTexture>& glTexture, bool optimizeForRenderToTexture, int width, int height);
    explicit RectangleTexture(runtime::NoInit n) : TextureBase(n) {}

    // Takes the source's size, then uploads its pixels as RGBA; miplevel is not used.
    virtual void uploadFromBitmapData(const runtime::Ref<BitmapData>& source, int miplevel = 0);
    // width × height RGBA pixels of level 0 from data's first byte (byteArrayOffset is not used).
    virtual void uploadFromByteArray(const runtime::Ref<ByteArray>& data, int byteArrayOffset);

    bool optimizeForRenderToTexture = false;
};

}  // namespace framework
