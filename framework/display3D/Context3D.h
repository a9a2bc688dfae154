#pragma once
// A register-and-sampler 3D context over the GL binding. It draws through an OpenGL view that it
// puts at the bottom of the stage: programs read vertex constant register n as the uniform
// "vc<n>", fragment constant register n as "fc<n>", sampler n as "fs<n>", vertex slot n as the
// attribute "va<n>", and every draw sets the float uniform "yflip". Drawing may go to a texture
// through one framebuffer and one depth-and-stencil render buffer that the context owns.
// Misuse throws plain texts; drawing without a clear since the last present throws an Error.
#include <cstdint>
#include <optional>

#include "Context3DMipFilter.h"
#include "Context3DProgramType.h"
#include "Context3DTextureFilter.h"
#include "Context3DTextureFormat.h"
#include "Context3DVertexBufferFormat.h"
#include "Context3DWrapMode.h"
#include "IndexBuffer3D.h"
#include "Program3D.h"
#include "VertexBuffer3D.h"
#include "framework/display/OpenGLView.h"
#include "framework/geom/Matrix3D.h"
#include "framework/geom/Rectangle.h"
#include "framework/gl/GLFramebuffer.h"
#include "framework/gl/GLRenderbuffer.h"
#include "platform/runtime/Array.h"
#include "platform/runtime/Function.h"
#include "textures/CubeTexture.h"
#include "textures/RectangleTexture.h"
#include "textures/Texture.h"

namespace framework {

class Context3D : public runtime::Object {
    RUNTIME_CLASS(Context3D)
public:
    static constexpr int TEXTURE_MAX_ANISOTROPY_EXT = 0x84FE;
    static constexpr int MAX_SAMPLERS = 8;
    static constexpr int MAX_TEXTURE_MAX_ANISOTROPY_EXT = 0x84FF;
    // The anisotropy probe, shared by every context: run by the first setTextureParameters of the
    // process, it replaces maxSupportedAnisotropy with what GL reads back.
    static inline bool anisotropySupportTested = false;
    static inline bool supportsAnisotropy = false;
    static inline uint32_t maxSupportedAnisotropy = 256;

    // Makes no GL call: eight samplers (clamp, linear, no mip-maps) and a new view the stage's
    // size, added at the bottom of the stage of the root clip (not added when there is none).
    Context3D();
    explicit Context3D(runtime::NoInit) {}

    virtual void clear(double red = 0, double green = 0, double blue = 0, double alpha = 1, double depth = 1,
                       int stencil = 0, int mask = 0x4500);
    // Switches the depth and stencil tests on when asked (never off); sets the view's size and
    // the viewport. The anti-alias level has no effect.
    virtual void configureBackBuffer(int width, int height, int antiAlias, bool enableDepthAndStencil = true);
    // The creation operations throw "Context3D has been disposed." after dispose; the format
    // and streaming levels are not used.
    virtual runtime::Ref<CubeTexture> createCubeTexture(int size, std::optional<Context3DTextureFormat> format,
                                                        bool optimizeForRenderToTexture, int streamingLevels = 0);
    virtual runtime::Ref<IndexBuffer3D> createIndexBuffer(int numIndices);
    virtual runtime::Ref<Program3D> createProgram();
    virtual runtime::Ref<RectangleTexture> createRectangleTexture(int width, int height,
                                                                  std::optional<Context3DTextureFormat> format,
                                                                  bool optimizeForRenderToTexture);
    virtual runtime::Ref<Texture> createTexture(int width, int height, std::optional<Context3DTextureFormat> format,
                                                bool optimizeForRenderToTexture, int streamingLevels = 0);
    virtual runtime::Ref<VertexBuffer3D> createVertexBuffer(int numVertices, int data32PerVertex);
    // Releases every GL object the context made; the view stays on the stage. A second call
    // does nothing.
    virtual void dispose();
    // Does nothing.
    virtual void drawToBitmapData(const runtime::Ref<BitmapData>& destination);
    // Indexed triangles (16-bit indices) from firstIndex; numTriangles −1 draws all the
    // buffer's indices. Without a program nothing is drawn.
    virtual void drawTriangles(const runtime::Ref<IndexBuffer3D>& indexBuffer, int firstIndex = 0,
                               int numTriangles = -1);
    // Ends drawing and unbinds the program, the vertex buffer and the render target; culling
    // is switched off. The picture shows when the back end renders the view.
    virtual void present();
    // Clears the view's render function, whatever is given.
    virtual void removeRenderMethod(const runtime::Ref<runtime::Function>& func);
    virtual void setBlendFactors(int sourceFactor, int destinationFactor);
    virtual void setColorMask(bool red, bool green, bool blue, bool alpha);
    // NONE, BACK, FRONT or FRONT_AND_BACK of Context3DTriangleFace; FRONT also makes "yflip" −1.
    // Any other value throws "Unknown Context3DTriangleFace type." with culling on.
    virtual void setCulling(int triangleFaceToCull);
    virtual void setDepthTest(bool depthMask, int passCompareMode);
    // Four floats read from data at byteOffset (in its own byte order) to the named uniform.
    virtual void setGLSLProgramConstantsFromByteArray(const runtime::String& locationName,
                                                      const runtime::Ref<ByteArray>& data, int byteArrayOffset = 0);
    // The whole matrix to the named uniform; GL is asked to transpose unless transposed is true.
    virtual void setGLSLProgramConstantsFromMatrix(const runtime::String& locationName,
                                                   const runtime::Ref<Matrix3D>& matrix, bool transposedMatrix = false);
    // data[startIndex] to data[startIndex + 3] (0 outside the list) to the named uniform.
    virtual void setGLSLProgramConstantsFromVector4(const runtime::String& locationName,
                                                    const runtime::Ref<runtime::Array>& data, int startIndex = 0);
    // Binds the texture to the unit (0 to 7, else "Does not support texture8 or more"), points
    // the named sampler at it and applies the unit's sampler state. Null unbinds both targets.
    virtual void setGLSLTextureAt(const runtime::String& locationName, const runtime::Ref<TextureBase>& texture,
                                  int textureIndex);
    // Points the named attribute at the buffer's floats from bufferOffset (in 32-bit values);
    // null disables the attribute. A missing format throws "Buffer format null is not supported".
    virtual void setGLSLVertexBufferAt(const runtime::String& locationName, const runtime::Ref<VertexBuffer3D>& buffer,
                                       int bufferOffset = 0,
                                       std::optional<Context3DVertexBufferFormat> format = std::nullopt);
    virtual void setProgram(const runtime::Ref<Program3D>& program);
    // Registers first to first + numRegisters − 1, four floats each, read from data at
    // byteArrayOffset; data's position ends after what was read.
    virtual void setProgramConstantsFromByteArray(std::optional<Context3DProgramType> programType, int firstRegister,
                                                  int numRegisters, const runtime::Ref<ByteArray>& data,
                                                  int byteArrayOffset);
    // Four registers from the matrix's columns, or its rows when transposedMatrix.
    virtual void setProgramConstantsFromMatrix(std::optional<Context3DProgramType> programType, int firstRegister,
                                               const runtime::Ref<Matrix3D>& matrix, bool transposedMatrix = false);
    // Register first + i takes data[4i] to data[4i + 3], whatever the first register.
    virtual void setProgramConstantsFromVector(std::optional<Context3DProgramType> programType, int firstRegister,
                                               const runtime::Ref<runtime::Array>& data, int numRegisters = 1);
    // The view's render function calls func with the rectangle it is given.
    virtual void setRenderMethod(const runtime::Ref<runtime::Function>& func);
    virtual void setRenderToBackBuffer();
    // Attaches the texture (its image allocated anew, its contents lost) and the shared
    // depth-and-stencil render buffer; the viewport becomes the texture's size. A null texture
    // throws "Null texture for render to texture.".
    virtual void setRenderToTexture(const runtime::Ref<TextureBase>& texture, bool enableDepthAndStencil = false,
                                    int antiAlias = 0, int surfaceSelector = 0);
    // Sampler 0 to 7, else "Sampler is out of bounds."; applied at the unit's next texture
    // binding. Ignored after dispose.
    virtual void setSamplerStateAt(int sampler, std::optional<Context3DWrapMode> wrap,
                                   std::optional<Context3DTextureFilter> filter,
                                   std::optional<Context3DMipFilter> mipfilter);
    // Null switches the scissor test off; a rectangle is used as GL window coordinates.
    virtual void setScissorRectangle(const runtime::Ref<Rectangle>& rectangle);
    // For both faces; triangleFace is not consulted.
    virtual void setStencilActions(int triangleFace = 0, int compareMode = 0, int actionOnBothPass = 0,
                                   int actionOnDepthFail = 0, int actionOnDepthPassStencilFail = 0);
    virtual void setStencilReferenceValue(int referenceValue, int readMask = 255, int writeMask = 255);
    virtual void setTextureAt(int sampler, const runtime::Ref<TextureBase>& texture);
    // Binds the texture and sets its wrap, filters and anisotropy by kind; a value missing or
    // outside the tables sets nothing for its step.
    virtual void setTextureParameters(const runtime::Ref<TextureBase>& texture, std::optional<Context3DWrapMode> wrap,
                                      std::optional<Context3DTextureFilter> filter,
                                      std::optional<Context3DMipFilter> mipfilter);
    virtual void setVertexBufferAt(int index, const runtime::Ref<VertexBuffer3D>& buffer, int bufferOffset = 0,
                                   std::optional<Context3DVertexBufferFormat> format = std::nullopt);
    // "vc" or "fc" and the register; any other type throws "Program Type <type> not supported".
    virtual runtime::String getUniformLocationNameFromAgalRegisterIndex_(
        std::optional<Context3DProgramType> programType, int firstRegister);
    virtual void updateBlendStatus_();

    runtime::String driverInfo;
    bool enableErrorChecking = false;
    int blendDestinationFactor = 0;
    bool blendEnabled = false;
    int blendSourceFactor = 0;
    runtime::Ref<Program3D> currentProgram;
    bool disposed = false;
    bool drawing = false;
    runtime::Ref<GLFramebuffer> framebuffer;
    runtime::Ref<runtime::Array> indexBuffersCreated;
    runtime::Ref<OpenGLView> ogl;
    runtime::Ref<runtime::Array> programsCreated;
    runtime::Ref<GLRenderbuffer> renderbuffer;
    runtime::Ref<runtime::Array> samplerParameters;
    runtime::Ref<Rectangle> scrollRect;
    runtime::Ref<GLRenderbuffer> stencilbuffer;
    int stencilCompareMode = 0;
    int stencilRef = 0;
    int stencilReadMask = 0;
    runtime::Ref<runtime::Array> texturesCreated;
    runtime::Ref<runtime::Array> vertexBuffersCreated;
    double _yFlip = 1;

private:
    // The current program's location of the name; null without a program.
    runtime::Value uniformLocation(const runtime::String& name);
    // The list of created objects to append to; throws once the context is disposed.
    runtime::Array& createdList(const runtime::Ref<runtime::Array>& list);
    void backBufferViewport();
};

}  // namespace framework
