#include "Context3D.h"

#include <algorithm>
#include <string>

#include "Constant3D.h"
#include "Context3DClearMask.h"
#include "Context3DTriangleFace.h"
#include "SamplerState.h"
#include "framework/Lib.h"
#include "framework/display/MovieClip.h"
#include "framework/display/Stage.h"
#include "framework/errors/Error.h"
#include "framework/gl/GL.h"
#include "platform/runtime/Thrown.h"

namespace framework {

using runtime::Ref;
using runtime::Value;

namespace {

// A float truncated toward zero.
int whole(double v) { return Value(v).toInt(); }

template <class E>
std::string textOf(std::optional<E> value) {
    return runtime::ValueTraits<std::optional<E>>::to(value).toText();
}

// Floats given to GL per vertex for each format; 0 for a missing one.
int componentCount(std::optional<Context3DVertexBufferFormat> format) {
    if (!format) return 0;
    switch (*format) {
        case Context3DVertexBufferFormat::BYTES_4: return 4;
        case Context3DVertexBufferFormat::FLOAT_1: return 1;
        case Context3DVertexBufferFormat::FLOAT_2: return 2;
        case Context3DVertexBufferFormat::FLOAT_3: return 3;
        case Context3DVertexBufferFormat::FLOAT_4: return 4;
    }
    return 0;
}

// The anisotropy of an anisotropic filter, 0 for the others.
uint32_t anisotropyOf(Context3DTextureFilter filter) {
    switch (filter) {
        case Context3DTextureFilter::ANISOTROPIC2X: return 2;
        case Context3DTextureFilter::ANISOTROPIC4X: return 4;
        case Context3DTextureFilter::ANISOTROPIC8X: return 8;
        case Context3DTextureFilter::ANISOTROPIC16X: return 16;
        default: return 0;
    }
}

// Disposes every object of the list, then drops the list.
template <class T>
void disposeAll(Ref<runtime::Array>& list) {
    if (!list) return;
    for (const Value& v : list->items)
        if (auto* object = v.as<T>()) object->dispose();
    list = nullptr;
}

[[noreturn]] void unsupportedTexture(const Ref<TextureBase>& texture) {
    const runtime::ClassInfo* info = texture->classInfo();
    runtime::Thrown::text("Texture of type " + (info ? info->name() : std::string("null")) + " not supported yet");
}

}  // namespace

Context3D::Context3D() {
    vertexBuffersCreated = runtime::make<runtime::Array>();
    indexBuffersCreated = runtime::make<runtime::Array>();
    programsCreated = runtime::make<runtime::Array>();
    texturesCreated = runtime::make<runtime::Array>();
    samplerParameters = runtime::make<runtime::Array>();
    for (int i = 0; i < MAX_SAMPLERS; ++i) {
        auto state = runtime::make<SamplerState>();
        state->wrap = Context3DWrapMode::CLAMP;
        state->filter = Context3DTextureFilter::LINEAR;
        state->mipfilter = Context3DMipFilter::MIPNONE;
        samplerParameters->push(Value(state));
    }
    Ref<Stage> stage = Lib::get_current()->get_stage();
    int width = stage ? stage->get_stageWidth() : 0, height = stage ? stage->get_stageHeight() : 0;
    ogl = runtime::make<OpenGLView>();
    ogl->set_scrollRect(runtime::make<Rectangle>(0, 0, width, height));
    scrollRect = ogl->get_scrollRect();
    ogl->set_width(width);
    ogl->set_height(height);
    if (stage) stage->addChildAt(ogl, 0);
}

// ---- back buffer and render targets ----

void Context3D::backBufferViewport() {
    if (!scrollRect) return;
    GL::viewport(whole(scrollRect->x), whole(scrollRect->y), whole(scrollRect->width), whole(scrollRect->height));
}

void Context3D::clear(double red, double green, double blue, double alpha, double depth, int stencil, int mask) {
    if (!drawing) {
        updateBlendStatus_();
        drawing = true;
    }
    GL::depthMask(true);
    GL::clearColor(red, green, blue, alpha);
    GL::clearDepth(depth);
    GL::clearStencil(stencil);
    GL::clear(mask);
}

void Context3D::configureBackBuffer(int width, int height, int, bool enableDepthAndStencil) {
    if (enableDepthAndStencil) {
        GL::enable(GL::DEPTH_TEST);
        GL::enable(GL::STENCIL_TEST);
    }
    ogl->set_scrollRect(runtime::make<Rectangle>(0, 0, width, height));
    ogl->set_width(width);
    ogl->set_height(height);
    scrollRect = ogl->get_scrollRect();
    backBufferViewport();
}

void Context3D::present() {
    drawing = false;
    GL::useProgram(nullptr);
    GL::bindBuffer(GL::ARRAY_BUFFER, nullptr);
    GL::disable(GL::CULL_FACE);
    if (framebuffer) GL::bindFramebuffer(GL::FRAMEBUFFER, nullptr);
    if (renderbuffer) GL::bindRenderbuffer(GL::RENDERBUFFER, nullptr);
}

void Context3D::setRenderToBackBuffer() {
    GL::disable(GL::DEPTH_TEST);
    GL::disable(GL::STENCIL_TEST);
    GL::disable(GL::SCISSOR_TEST);
    if (framebuffer) GL::bindFramebuffer(GL::FRAMEBUFFER, nullptr);
    if (renderbuffer) GL::bindRenderbuffer(GL::RENDERBUFFER, nullptr);
    backBufferViewport();
}

void Context3D::setRenderToTexture(const Ref<TextureBase>& texture, bool enableDepthAndStencil, int, int) {
    if (!texture) runtime::Thrown::text("Null texture for render to texture.");
    if (!framebuffer) framebuffer = GL::createFramebuffer();
    GL::bindFramebuffer(GL::FRAMEBUFFER, framebuffer);
    if (!renderbuffer) renderbuffer = GL::createRenderbuffer();
    GL::bindRenderbuffer(GL::RENDERBUFFER, renderbuffer);
    GL::framebufferTexture2D(GL::FRAMEBUFFER, GL::COLOR_ATTACHMENT0, GL::TEXTURE_2D, texture->glTexture, 0);
    GL::renderbufferStorage(GL::RENDERBUFFER, GL::DEPTH_STENCIL, texture->width, texture->height);
    GL::framebufferRenderbuffer(GL::FRAMEBUFFER, GL::DEPTH_STENCIL_ATTACHMENT, GL::RENDERBUFFER, renderbuffer);
    if (enableDepthAndStencil) {
        GL::enable(GL::DEPTH_TEST);
        GL::enable(GL::STENCIL_TEST);
    }
    GL::bindTexture(GL::TEXTURE_2D, texture->glTexture);
    GL::texImage2D(GL::TEXTURE_2D, 0, GL::RGBA, texture->width, texture->height, 0, GL::RGBA, GL::UNSIGNED_BYTE,
                   nullptr);
    GL::texParameteri(GL::TEXTURE_2D, GL::TEXTURE_MAG_FILTER, GL::LINEAR);
    GL::texParameteri(GL::TEXTURE_2D, GL::TEXTURE_MIN_FILTER, GL::LINEAR_MIPMAP_NEAREST);
    GL::viewport(0, 0, texture->width, texture->height);
}

void Context3D::setRenderMethod(const Ref<runtime::Function>& func) {
    ogl->render = runtime::Function::of([func](Value rect) {
        if (func) (*func)(rect);
    });
}

void Context3D::removeRenderMethod(const Ref<runtime::Function>&) { ogl->render = nullptr; }

void Context3D::drawToBitmapData(const Ref<BitmapData>&) {}

// ---- fixed-function state ----

void Context3D::setBlendFactors(int sourceFactor, int destinationFactor) {
    blendEnabled = true;
    blendSourceFactor = sourceFactor;
    blendDestinationFactor = destinationFactor;
    updateBlendStatus_();
}

void Context3D::updateBlendStatus_() {
    if (!blendEnabled) {
        GL::disable(GL::BLEND);
        return;
    }
    GL::enable(GL::BLEND);
    GL::blendEquation(GL::FUNC_ADD);
    GL::blendFunc(blendSourceFactor, blendDestinationFactor);
}

void Context3D::setColorMask(bool red, bool green, bool blue, bool alpha) { GL::colorMask(red, green, blue, alpha); }

void Context3D::setCulling(int triangleFaceToCull) {
    if (triangleFaceToCull == Context3DTriangleFace::NONE) {
        GL::disable(GL::CULL_FACE);
        _yFlip = 1;
        return;
    }
    GL::enable(GL::CULL_FACE);
    switch (triangleFaceToCull) {
        case Context3DTriangleFace::BACK:
        case Context3DTriangleFace::FRONT:
        case Context3DTriangleFace::FRONT_AND_BACK:
            GL::cullFace(triangleFaceToCull);
            _yFlip = triangleFaceToCull == Context3DTriangleFace::FRONT ? -1 : 1;
            return;
        default: runtime::Thrown::text("Unknown Context3DTriangleFace type.");
    }
}

void Context3D::setDepthTest(bool depthMask, int passCompareMode) {
    GL::depthFunc(passCompareMode);
    GL::depthMask(depthMask);
}

void Context3D::setStencilActions(int, int compareMode, int stencilFail, int depthFail, int bothPass) {
    stencilCompareMode = compareMode;
    GL::stencilOp(stencilFail, depthFail, bothPass);
    GL::stencilFunc(stencilCompareMode, stencilRef, stencilReadMask);
}

void Context3D::setStencilReferenceValue(int referenceValue, int readMask, int writeMask) {
    stencilRef = referenceValue;
    stencilReadMask = readMask;
    GL::stencilFunc(stencilCompareMode, stencilRef, stencilReadMask);
    GL::stencilMask(writeMask);
}

void Context3D::setScissorRectangle(const Ref<Rectangle>& rectangle) {
    if (!rectangle) {
        GL::disable(GL::SCISSOR_TEST);
        return;
    }
    GL::enable(GL::SCISSOR_TEST);
    GL::scissor(whole(rectangle->x), whole(rectangle->y), whole(rectangle->width), whole(rectangle->height));
}

// ---- resources ----

runtime::Array& Context3D::createdList(const Ref<runtime::Array>& list) {
    if (!list) runtime::Thrown::text("Context3D has been disposed.");
    return *list;
}

Ref<CubeTexture> Context3D::createCubeTexture(int size, std::optional<Context3DTextureFormat>, bool, int) {
    auto& list = createdList(texturesCreated);
    auto texture = runtime::make<CubeTexture>(GL::createTexture(), size);
    list.push(Value(texture));
    return texture;
}

Ref<IndexBuffer3D> Context3D::createIndexBuffer(int numIndices) {
    auto& list = createdList(indexBuffersCreated);
    auto buffer = runtime::make<IndexBuffer3D>(GL::createBuffer(), numIndices);
    list.push(Value(buffer));
    return buffer;
}

Ref<Program3D> Context3D::createProgram() {
    auto& list = createdList(programsCreated);
    auto program = runtime::make<Program3D>(GL::createProgram());
    list.push(Value(program));
    return program;
}

Ref<RectangleTexture> Context3D::createRectangleTexture(int width, int height, std::optional<Context3DTextureFormat>,
                                                        bool optimizeForRenderToTexture) {
    auto& list = createdList(texturesCreated);
    auto texture = runtime::make<RectangleTexture>(GL::createTexture(), optimizeForRenderToTexture, width, height);
    list.push(Value(texture));
    return texture;
}

Ref<Texture> Context3D::createTexture(int width, int height, std::optional<Context3DTextureFormat>,
                                      bool optimizeForRenderToTexture, int) {
    auto& list = createdList(texturesCreated);
    auto texture = runtime::make<Texture>(GL::createTexture(), optimizeForRenderToTexture, width, height);
    list.push(Value(texture));
    return texture;
}

Ref<VertexBuffer3D> Context3D::createVertexBuffer(int numVertices, int data32PerVertex) {
    auto& list = createdList(vertexBuffersCreated);
    auto buffer = runtime::make<VertexBuffer3D>(GL::createBuffer(), numVertices, data32PerVertex);
    list.push(Value(buffer));
    return buffer;
}

void Context3D::dispose() {
    if (disposed) return;
    disposeAll<VertexBuffer3D>(vertexBuffersCreated);
    disposeAll<IndexBuffer3D>(indexBuffersCreated);
    disposeAll<Program3D>(programsCreated);
    samplerParameters = nullptr;
    disposeAll<TextureBase>(texturesCreated);
    if (framebuffer) {
        GL::deleteFramebuffer(framebuffer);
        framebuffer = nullptr;
    }
    if (renderbuffer) {
        GL::deleteRenderbuffer(renderbuffer);
        renderbuffer = nullptr;
    }
    disposed = true;
}

// ---- programs and constants ----

Value Context3D::uniformLocation(const runtime::String& name) {
    if (!currentProgram || !currentProgram->glProgram) return Value();
    return GL::getUniformLocation(currentProgram->glProgram, name);
}

void Context3D::setProgram(const Ref<Program3D>& program) {
    GL::useProgram(program ? program->glProgram : nullptr);
    currentProgram = program;
}

runtime::String Context3D::getUniformLocationNameFromAgalRegisterIndex_(
    std::optional<Context3DProgramType> programType, int firstRegister) {
    if (programType == Context3DProgramType::VERTEX) return "vc" + std::to_string(firstRegister);
    if (programType == Context3DProgramType::FRAGMENT) return "fc" + std::to_string(firstRegister);
    runtime::Thrown::text("Program Type " + textOf(programType) + " not supported");
}

void Context3D::setProgramConstantsFromVector(std::optional<Context3DProgramType> programType, int firstRegister,
                                              const Ref<runtime::Array>& data, int numRegisters) {
    for (int i = 0; i < numRegisters; ++i)
        setGLSLProgramConstantsFromVector4(getUniformLocationNameFromAgalRegisterIndex_(programType, firstRegister + i),
                                           data, 4 * i);
}

void Context3D::setProgramConstantsFromMatrix(std::optional<Context3DProgramType> programType, int firstRegister,
                                              const Ref<Matrix3D>& matrix, bool transposedMatrix) {
    auto entry = [&matrix](int i) { return matrix && matrix->rawData ? matrix->rawData->at(i).toFloat() : 0.0; };
    for (int k = 0; k < 4; ++k) {
        auto row = runtime::make<runtime::Array>();
        for (int j = 0; j < 4; ++j) row->push(Value(entry(transposedMatrix ? k + 4 * j : 4 * k + j)));
        setProgramConstantsFromVector(programType, firstRegister + k, row, 1);
    }
}

void Context3D::setProgramConstantsFromByteArray(std::optional<Context3DProgramType> programType, int firstRegister,
                                                 int numRegisters, const Ref<ByteArray>& data, int byteArrayOffset) {
    if (!data) return;
    data->position = byteArrayOffset;
    for (int i = 0; i < numRegisters; ++i) {
        runtime::String name = getUniformLocationNameFromAgalRegisterIndex_(programType, firstRegister + i);
        double x = data->readFloat(), y = data->readFloat(), z = data->readFloat(), w = data->readFloat();
        GL::uniform4f(uniformLocation(name), x, y, z, w);
    }
}

void Context3D::setGLSLProgramConstantsFromVector4(const runtime::String& locationName,
                                                   const Ref<runtime::Array>& data, int startIndex) {
    auto at = [&data](int i) { return data ? data->at(i).toFloat() : 0.0; };
    GL::uniform4f(uniformLocation(locationName), at(startIndex), at(startIndex + 1), at(startIndex + 2),
                  at(startIndex + 3));
}

void Context3D::setGLSLProgramConstantsFromMatrix(const runtime::String& locationName, const Ref<Matrix3D>& matrix,
                                                  bool transposedMatrix) {
    if (!matrix) return;
    auto values = runtime::make<Float32Array>(Value(matrix->rawData));
    GL::uniformMatrix4fv(uniformLocation(locationName), !transposedMatrix, values);
}

void Context3D::setGLSLProgramConstantsFromByteArray(const runtime::String& locationName, const Ref<ByteArray>& data,
                                                     int byteArrayOffset) {
    if (!data) return;
    data->position = byteArrayOffset;
    Value location = uniformLocation(locationName);
    double x = data->readFloat(), y = data->readFloat(), z = data->readFloat(), w = data->readFloat();
    GL::uniform4f(location, x, y, z, w);
}

// ---- vertex attributes ----

void Context3D::setVertexBufferAt(int index, const Ref<VertexBuffer3D>& buffer, int bufferOffset,
                                  std::optional<Context3DVertexBufferFormat> format) {
    setGLSLVertexBufferAt("va" + std::to_string(index), buffer, bufferOffset, format);
}

void Context3D::setGLSLVertexBufferAt(const runtime::String& locationName, const Ref<VertexBuffer3D>& buffer,
                                      int bufferOffset, std::optional<Context3DVertexBufferFormat> format) {
    int location = -1;
    if (currentProgram && currentProgram->glProgram)
        location = GL::getAttribLocation(currentProgram->glProgram, locationName);
    if (!buffer) {
        if (location < 0) return;
        GL::disableVertexAttribArray(location);
        GL::bindBuffer(GL::ARRAY_BUFFER, nullptr);
        return;
    }
    GL::bindBuffer(GL::ARRAY_BUFFER, buffer->glBuffer);
    int size = componentCount(format);
    if (size == 0) runtime::Thrown::text("Buffer format " + textOf(format) + " is not supported");
    GL::enableVertexAttribArray(location);
    GL::vertexAttribPointer(location, size, GL::FLOAT, false, buffer->data32PerVertex * 4, bufferOffset * 4);
}

// ---- textures ----

void Context3D::setTextureAt(int sampler, const Ref<TextureBase>& texture) {
    setGLSLTextureAt("fs" + std::to_string(sampler), texture, sampler);
}

void Context3D::setGLSLTextureAt(const runtime::String& locationName, const Ref<TextureBase>& texture,
                                 int textureIndex) {
    if (textureIndex < 0 || textureIndex >= MAX_SAMPLERS) runtime::Thrown::text("Does not support texture8 or more");
    GL::activeTexture(GL::TEXTURE0 + textureIndex);
    if (!texture) {
        GL::bindTexture(GL::TEXTURE_2D, nullptr);
        GL::bindTexture(GL::TEXTURE_CUBE_MAP, nullptr);
        return;
    }
    Value location = uniformLocation(locationName);
    if (dynamic_cast<Texture*>(texture.get()) || dynamic_cast<RectangleTexture*>(texture.get()))
        GL::bindTexture(GL::TEXTURE_2D, texture->glTexture);
    else if (dynamic_cast<CubeTexture*>(texture.get()))
        GL::bindTexture(GL::TEXTURE_CUBE_MAP, texture->glTexture);
    else
        unsupportedTexture(texture);
    GL::uniform1i(location, textureIndex);
    auto* state = samplerParameters ? samplerParameters->at(textureIndex).as<SamplerState>() : nullptr;
    if (state)
        setTextureParameters(texture, state->wrap, state->filter, state->mipfilter);
    else
        setTextureParameters(texture, Context3DWrapMode::CLAMP, Context3DTextureFilter::NEAREST,
                             Context3DMipFilter::MIPNONE);
}

void Context3D::setSamplerStateAt(int sampler, std::optional<Context3DWrapMode> wrap,
                                  std::optional<Context3DTextureFilter> filter,
                                  std::optional<Context3DMipFilter> mipfilter) {
    if (sampler < 0 || sampler >= MAX_SAMPLERS) runtime::Thrown::text("Sampler is out of bounds.");
    auto* state = samplerParameters ? samplerParameters->at(sampler).as<SamplerState>() : nullptr;
    if (!state) return;
    state->wrap = wrap;
    state->filter = filter;
    state->mipfilter = mipfilter;
}

void Context3D::setTextureParameters(const Ref<TextureBase>& texture, std::optional<Context3DWrapMode> wrap,
                                     std::optional<Context3DTextureFilter> filter,
                                     std::optional<Context3DMipFilter> mipfilter) {
    if (!anisotropySupportTested) {
        auto extensions = GL::getSupportedExtensions();
        supportsAnisotropy = std::any_of(extensions->items.begin(), extensions->items.end(), [](const Value& name) {
            return name.toText() == "GL_EXT_texture_filter_anisotropic";
        });
        anisotropySupportTested = true;
        GL::texParameterf(GL::TEXTURE_2D, TEXTURE_MAX_ANISOTROPY_EXT, static_cast<double>(maxSupportedAnisotropy));
        Value read = GL::getTexParameter(GL::TEXTURE_2D, TEXTURE_MAX_ANISOTROPY_EXT);
        maxSupportedAnisotropy = static_cast<uint32_t>(read.isNull() ? 0 : read.toInt());
    }
    const bool plain = dynamic_cast<Texture*>(texture.get()) != nullptr;
    const bool rectangle = dynamic_cast<RectangleTexture*>(texture.get()) != nullptr;
    const bool cube = dynamic_cast<CubeTexture*>(texture.get()) != nullptr;
    if (!plain && !rectangle && !cube) unsupportedTexture(texture);
    const int target = cube ? GL::TEXTURE_CUBE_MAP : GL::TEXTURE_2D;
    GL::bindTexture(target, texture->glTexture);

    // Wrap: a rectangle texture always clamps.
    int wrapMode = 0;
    if (rectangle || wrap == Context3DWrapMode::CLAMP) wrapMode = GL::CLAMP_TO_EDGE;
    else if (wrap == Context3DWrapMode::REPEAT) wrapMode = GL::REPEAT;
    if (wrapMode) {
        GL::texParameteri(target, GL::TEXTURE_WRAP_S, wrapMode);
        GL::texParameteri(target, GL::TEXTURE_WRAP_T, wrapMode);
    }

    // Filter: linear and nearest set the magnification filter and anisotropy 1; the anisotropic
    // filters only the anisotropy, capped by what GL reported.
    if (filter == Context3DTextureFilter::LINEAR || filter == Context3DTextureFilter::NEAREST) {
        GL::texParameteri(target, GL::TEXTURE_MAG_FILTER,
                          filter == Context3DTextureFilter::NEAREST ? GL::NEAREST : GL::LINEAR);
        if (supportsAnisotropy) GL::texParameterf(target, TEXTURE_MAX_ANISOTROPY_EXT, 1);
    } else if (filter && supportsAnisotropy) {
        GL::texParameterf(target, TEXTURE_MAX_ANISOTROPY_EXT,
                          static_cast<double>(std::min(anisotropyOf(*filter), maxSupportedAnisotropy)));
    }

    // Mip filter: a rectangle texture never uses one; only a 2D texture generates its mip-maps.
    const int withoutMipmaps = filter == Context3DTextureFilter::NEAREST ? GL::NEAREST : GL::LINEAR;
    int minFilter = 0;
    if (rectangle || mipfilter == Context3DMipFilter::MIPNONE) minFilter = withoutMipmaps;
    else if (mipfilter == Context3DMipFilter::MIPLINEAR) minFilter = GL::LINEAR_MIPMAP_LINEAR;
    else if (mipfilter == Context3DMipFilter::MIPNEAREST) minFilter = GL::NEAREST_MIPMAP_NEAREST;
    else return;
    if (plain && minFilter != withoutMipmaps) GL::generateMipmap(GL::TEXTURE_2D);
    GL::texParameteri(target, GL::TEXTURE_MIN_FILTER, minFilter);
}

// ---- drawing ----

void Context3D::drawTriangles(const Ref<IndexBuffer3D>& indexBuffer, int firstIndex, int numTriangles) {
    GL::uniform1f(uniformLocation("yflip"), _yFlip);
    if (!drawing)
        throw runtime::Thrown(Value(runtime::make<Error>(
            "Need to clear before drawing if the buffer has not been cleared since the last present() call.")));
    if (!indexBuffer || !currentProgram || !currentProgram->glProgram) return;
    int count = numTriangles == -1 ? indexBuffer->numIndices : 3 * numTriangles;
    GL::bindBuffer(GL::ELEMENT_ARRAY_BUFFER, indexBuffer->glBuffer);
    GL::drawElements(GL::TRIANGLES, count, GL::UNSIGNED_SHORT, firstIndex * 2);
}

}  // namespace framework

using framework::Context3D;
using framework::constant3D;

RUNTIME_DEFINE_CLASS(Context3D, "framework._native.display3D.Context3D", runtime::Object, (auto& b) {
    using C = Context3D;
    b.info().addStatic(constant3D<C::TEXTURE_MAX_ANISOTROPY_EXT>("TEXTURE_MAX_ANISOTROPY_EXT"));
    b.info().addStatic(constant3D<C::MAX_SAMPLERS>("MAX_SAMPLERS"));
    b.info().addStatic(constant3D<C::MAX_TEXTURE_MAX_ANISOTROPY_EXT>("MAX_TEXTURE_MAX_ANISOTROPY_EXT"));
    b.template staticField<&C::anisotropySupportTested>("anisotropySupportTested")
        .template staticField<&C::supportsAnisotropy>("supportsAnisotropy")
        .template staticField<&C::maxSupportedAnisotropy>("maxSupportedAnisotropy")
        .template field<&C::driverInfo>("driverInfo")
        .template field<&C::enableErrorChecking>("enableErrorChecking")
        .template field<&C::blendDestinationFactor>("blendDestinationFactor")
        .template field<&C::blendEnabled>("blendEnabled")
        .template field<&C::blendSourceFactor>("blendSourceFactor")
        .template field<&C::currentProgram>("currentProgram")
        .template field<&C::disposed>("disposed")
        .template field<&C::drawing>("drawing")
        .template field<&C::framebuffer>("framebuffer")
        .template field<&C::indexBuffersCreated>("indexBuffersCreated")
        .template field<&C::ogl>("ogl")
        .template field<&C::programsCreated>("programsCreated")
        .template field<&C::renderbuffer>("renderbuffer")
        .template field<&C::samplerParameters>("samplerParameters")
        .template field<&C::scrollRect>("scrollRect")
        .template field<&C::stencilbuffer>("stencilbuffer")
        .template field<&C::stencilCompareMode>("stencilCompareMode")
        .template field<&C::stencilRef>("stencilRef")
        .template field<&C::stencilReadMask>("stencilReadMask")
        .template field<&C::texturesCreated>("texturesCreated")
        .template field<&C::vertexBuffersCreated>("vertexBuffersCreated")
        .template field<&C::_yFlip>("_yFlip")
        .template method<&C::clear>("clear")
        .template method<&C::configureBackBuffer>("configureBackBuffer")
        .template method<&C::createCubeTexture>("createCubeTexture")
        .template method<&C::createIndexBuffer>("createIndexBuffer")
        .template method<&C::createProgram>("createProgram")
        .template method<&C::createRectangleTexture>("createRectangleTexture")
        .template method<&C::createTexture>("createTexture")
        .template method<&C::createVertexBuffer>("createVertexBuffer")
        .template method<&C::dispose>("dispose")
        .template method<&C::drawToBitmapData>("drawToBitmapData")
        .template method<&C::drawTriangles>("drawTriangles")
        .template method<&C::present>("present")
        .template method<&C::removeRenderMethod>("removeRenderMethod")
        .template method<&C::setBlendFactors>("setBlendFactors")
        .template method<&C::setColorMask>("setColorMask")
        .template method<&C::setCulling>("setCulling")
        .template method<&C::setDepthTest>("setDepthTest")
        .template method<&C::setGLSLProgramConstantsFromByteArray>("setGLSLProgramConstantsFromByteArray")
        .template method<&C::setGLSLProgramConstantsFromMatrix>("setGLSLProgramConstantsFromMatrix")
        .template method<&C::setGLSLProgramConstantsFromVector4>("setGLSLProgramConstantsFromVector4")
        .template method<&C::setGLSLTextureAt>("setGLSLTextureAt")
        .template method<&C::setGLSLVertexBufferAt>("setGLSLVertexBufferAt")
        .template method<&C::setProgram>("setProgram")
        .template method<&C::setProgramConstantsFromByteArray>("setProgramConstantsFromByteArray")
        .template method<&C::setProgramConstantsFromMatrix>("setProgramConstantsFromMatrix")
        .template method<&C::setProgramConstantsFromVector>("setProgramConstantsFromVector")
        .template method<&C::setRenderMethod>("setRenderMethod")
        .template method<&C::setRenderToBackBuffer>("setRenderToBackBuffer")
        .template method<&C::setRenderToTexture>("setRenderToTexture")
        .template method<&C::setSamplerStateAt>("setSamplerStateAt")
        .template method<&C::setScissorRectangle>("setScissorRectangle")
        .template method<&C::setStencilActions>("setStencilActions")
        .template method<&C::setStencilReferenceValue>("setStencilReferenceValue")
        .template method<&C::setTextureAt>("setTextureAt")
        .template method<&C::setTextureParameters>("setTextureParameters")
        .template method<&C::setVertexBufferAt>("setVertexBufferAt")
        .template method<&C::getUniformLocationNameFromAgalRegisterIndex_>(
            "__getUniformLocationNameFromAgalRegisterIndex")
        .template method<&C::updateBlendStatus_>("__updateBlendStatus")
        .emptyInstance()
        .constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<C>(); });
})
