#pragma once
// A texture of a 3D context around one GL texture handle. Uploads are 8-bit RGBA; the 2D uploads
// use width and height.
#include "framework/display/BitmapData.h"
#include "framework/events/EventDispatcher.h"
#include "framework/gl/GLFramebuffer.h"
#include "framework/gl/GLTexture.h"
#include "framework/utils/ArrayBufferView.h"
#include "framework/utils/ByteArray.h"

namespace framework {

class TextureBase : public EventDispatcher {
    RUNTIME_CLASS(TextureBase)
public:
    explicit TextureBase(const runtime::Ref<GLTexture>& glTexture, int width = 0, int height = 0)
        : width(width), height(height), glTexture(glTexture) {}
    explicit TextureBase(runtime::NoInit n) : EventDispatcher(n) {}

    // Deletes the GL texture; the handle is invalid afterwards.
    virtual void dispose();

    int width = 0;
    int height = 0;
    runtime::Ref<GLTexture> glTexture;
    // Not used by the textures themselves.
    runtime::Ref<GLFramebuffer> frameBuffer;

protected:
    // The source's pixels as bytes R, G, B, A, made by channel copies into a temporary bitmap.
    static runtime::Ref<ByteArray> rgbaPixels(const runtime::Ref<BitmapData>& source);
    // On whatever texture is bound to TEXTURE_2D: nearest filters, edges clamped.
    static void renderTargetParameters();
    // The flip on upload, then the parameters above.
    static void renderTargetState();
    // Binds the texture to TEXTURE_2D, with the render-target state when asked.
    void bindForUpload(bool renderTarget);
    // Specifies the bound texture's level as width × height RGBA pixels, then unbinds it.
    void specify(int level, const runtime::Ref<ArrayBufferView>& pixels);
};

}  // namespace framework
