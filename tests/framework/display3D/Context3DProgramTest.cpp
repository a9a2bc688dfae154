// What the 3D context feeds its programs: constant registers, vertex slots, samplers with their
// state, and indexed triangles, against the recording fake back end.
#include <gtest/gtest.h>

#include <map>

#include "Context3DFixture.h"
#include "framework/display3D/Context3DTriangleFace.h"
#include "framework/errors/EOFError.h"
#include "framework/errors/Error.h"
#include "tests/support/ThrownText.h"

using framework::Context3D;
using framework::Context3DMipFilter;
using framework::Context3DProgramType;
using framework::Context3DTextureFilter;
using framework::Context3DVertexBufferFormat;
using framework::Context3DWrapMode;
using runtime::make;
using runtime::Ref;
using runtime::Value;
using Calls = std::vector<std::string>;

namespace {

class Context3DProgram : public Context3DFixture {
protected:
    void SetUp() override {
        Context3DFixture::SetUp();
        media::FakeMediaModule::get().on("media_native_gl_get_attrib_location", [this](const std::vector<Value>& a) {
            auto at = attributes.find(a[1].toText());
            return Value(at == attributes.end() ? -1 : at->second);
        });
        context = make<Context3D>();
        program = context->createProgram();
        context->setProgram(program);
    }
    // The uniform calls `action` makes (locations are the uniform names).
    template <class F>
    Calls uniformsOf(F action) {
        Calls out;
        for (const std::string& call : glCallsOf(action))
            if (call.rfind("uniform", 0) == 0) out.push_back(call);
        return out;
    }
    static Ref<runtime::Array> sequence(int n, double from = 0) {
        auto list = make<runtime::Array>();
        for (int i = 0; i < n; ++i) list->push(Value(from + i));
        return list;
    }

    std::map<std::string, int> attributes;
    Ref<Context3D> context;
    Ref<framework::Program3D> program;
};

}  // namespace

TEST_F(Context3DProgram, ConstantRegistersAreUniformsByName) {
    const auto data = sequence(16);
    auto matrix = make<framework::Matrix3D>(sequence(16, 100));
    struct Case {
        std::function<void()> call;
        Calls uniforms;
    } cases[] = {
        {[&] { context->setProgramConstantsFromVector(Context3DProgramType::VERTEX, 2, data); },
         {"uniform4f(vc2,0,1,2,3)"}},
        {[&] { context->setProgramConstantsFromVector(Context3DProgramType::VERTEX, 2, data, 3); },
         {"uniform4f(vc2,0,1,2,3)", "uniform4f(vc3,4,5,6,7)", "uniform4f(vc4,8,9,10,11)"}},
        {[&] { context->setProgramConstantsFromVector(Context3DProgramType::FRAGMENT, 0, sequence(6), 2); },
         {"uniform4f(fc0,0,1,2,3)", "uniform4f(fc1,4,5,0,0)"}},
        {[&] { context->setProgramConstantsFromVector(Context3DProgramType::VERTEX, 0, data, 0); }, {}},
        {[&] { context->setProgramConstantsFromMatrix(Context3DProgramType::FRAGMENT, 0, matrix); },
         {"uniform4f(fc0,100,101,102,103)", "uniform4f(fc1,104,105,106,107)", "uniform4f(fc2,108,109,110,111)",
          "uniform4f(fc3,112,113,114,115)"}},
        {[&] { context->setProgramConstantsFromMatrix(Context3DProgramType::VERTEX, 4, matrix, true); },
         {"uniform4f(vc4,100,104,108,112)", "uniform4f(vc5,101,105,109,113)", "uniform4f(vc6,102,106,110,114)",
          "uniform4f(vc7,103,107,111,115)"}},
        {[&] { context->setGLSLProgramConstantsFromVector4("tint", data, 14); }, {"uniform4f(tint,14,15,0,0)"}},
        {[&] { context->setGLSLProgramConstantsFromMatrix("mvp", matrix); }, {"uniform_matrix(mvp,true,bytes,4)"}},
        {[&] { context->setGLSLProgramConstantsFromMatrix("mvp", matrix, true); },
         {"uniform_matrix(mvp,false,bytes,4)"}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(uniformsOf(cases[i].call), cases[i].uniforms) << i;

    // Byte arrays are read in their own order from the offset; position ends after the reads.
    auto bytes = make<framework::ByteArray>();
    bytes->bigEndian = false;
    for (int i = 0; i < 12; ++i) bytes->writeFloat(i);
    EXPECT_EQ(uniformsOf([&] {
                  context->setProgramConstantsFromByteArray(Context3DProgramType::VERTEX, 0, 2, bytes, 8);
              }),
              (Calls{"uniform4f(vc0,2,3,4,5)", "uniform4f(vc1,6,7,8,9)"}));
    EXPECT_EQ(bytes->position, 40);
    EXPECT_EQ(uniformsOf([&] { context->setGLSLProgramConstantsFromByteArray("tint", bytes); }),
              (Calls{"uniform4f(tint,0,1,2,3)"}));
    // Past the end: the end-of-data error, the registers before it kept.
    bool endOfData = false;
    EXPECT_EQ(uniformsOf([&] {
                  try {
                      context->setProgramConstantsFromByteArray(Context3DProgramType::FRAGMENT, 0, 3, bytes, 16);
                  } catch (const runtime::Thrown& t) {
                      endOfData = t.value().as<framework::EOFError>() != nullptr;
                  }
              }),
              (Calls{"uniform4f(fc0,4,5,6,7)", "uniform4f(fc1,8,9,10,11)"}));
    EXPECT_TRUE(endOfData);

    EXPECT_EQ(thrownText([&] { context->setProgramConstantsFromVector(std::nullopt, 0, data); }),
              "Program Type null not supported");
    EXPECT_EQ(context->getUniformLocationNameFromAgalRegisterIndex_(Context3DProgramType::FRAGMENT, 12).str(), "fc12");
}

TEST_F(Context3DProgram, WithoutAProgramNoLocationIsAskedFor) {
    EXPECT_EQ(glCallsOf([&] { context->setProgram(nullptr); }), (Calls{"use_program(null)"}));
    EXPECT_EQ(context->currentProgram, nullptr);
    EXPECT_EQ(glCallsOf([&] { context->setProgramConstantsFromVector(Context3DProgramType::VERTEX, 0, sequence(4)); }),
              (Calls{"uniform4f(null,0,1,2,3)"}));
    context->clear();
    auto indices = context->createIndexBuffer(3);
    EXPECT_EQ(glCallsOf([&] { context->drawTriangles(indices); }), (Calls{"uniform1f(null,1)"}));
}

TEST_F(Context3DProgram, VertexSlotsAreAttributesByName) {
    auto buffer = context->createVertexBuffer(4, 5);
    const std::string B = buffer->glBuffer->id.toText();
    attributes = {{"va0", 2}, {"va1", 3}};
    EXPECT_EQ(glCallsOf([&] { context->setVertexBufferAt(0, buffer, 2, Context3DVertexBufferFormat::FLOAT_3); }),
              (Calls{"get_attrib_location(" + program->glProgram->id.toText() + ",va0)", "bind_buffer(34962," + B + ")",
                     "enable_vertex_attrib_array(2)", "vertex_attrib_pointer(2,3,5126,false,20,8)"}));
    const std::pair<Context3DVertexBufferFormat, int> sizes[] = {{Context3DVertexBufferFormat::BYTES_4, 4},
                                                                 {Context3DVertexBufferFormat::FLOAT_1, 1},
                                                                 {Context3DVertexBufferFormat::FLOAT_2, 2},
                                                                 {Context3DVertexBufferFormat::FLOAT_4, 4}};
    for (auto [format, size] : sizes)
        EXPECT_EQ(glCallsOf([&] { context->setGLSLVertexBufferAt("va1", buffer, 0, format); }).back(),
                  "vertex_attrib_pointer(3," + std::to_string(size) + ",5126,false,20,0)");
    // A null buffer disables a declared attribute and leaves a missing one alone.
    EXPECT_EQ(glCallsOf([&] { context->setVertexBufferAt(1, nullptr); }),
              (Calls{"get_attrib_location(" + program->glProgram->id.toText() + ",va1)",
                     "disable_vertex_attrib_array(3)", "bind_buffer(34962,null)"}));
    EXPECT_EQ(glCallsOf([&] { context->setVertexBufferAt(5, nullptr); }).size(), 1u);
    // A missing format fails after the buffer was bound.
    std::string thrown;
    EXPECT_EQ(glCallsOf([&] { thrown = thrownText([&] { context->setVertexBufferAt(0, buffer); }); }).back(),
              "bind_buffer(34962," + B + ")");
    EXPECT_EQ(thrown, "Buffer format null is not supported");
}

TEST_F(Context3DProgram, SamplersBindTexturesWithTheirState) {
    Context3D::anisotropySupportTested = true;
    auto texture = context->createTexture(4, 4, std::nullopt, false);
    auto cube = context->createCubeTexture(4, std::nullopt, false);
    const std::string T = texture->glTexture->id.toText(), C = cube->glTexture->id.toText();
    EXPECT_EQ(glCallsOf([&] { context->setTextureAt(2, texture); }),
              (Calls{"active_texture(33986)", "get_uniform_location(" + program->glProgram->id.toText() + ",fs2)",
                     "bind_texture(3553," + T + ")", "uniform1i(fs2,2)", "bind_texture(3553," + T + ")",
                     "tex_parameteri(3553,10242,33071)", "tex_parameteri(3553,10243,33071)",
                     "tex_parameteri(3553,10240,9729)", "tex_parameteri(3553,10241,9729)"}));
    // A sampler state set earlier applies at the next binding of its unit.
    context->setSamplerStateAt(7, Context3DWrapMode::REPEAT, Context3DTextureFilter::NEAREST,
                               Context3DMipFilter::MIPNONE);
    Calls cubeCalls = glCallsOf([&] { context->setGLSLTextureAt("environment", cube, 7); });
    EXPECT_EQ(cubeCalls.at(0), "active_texture(33991)");
    EXPECT_EQ(cubeCalls.at(2), "bind_texture(34067," + C + ")");
    EXPECT_EQ(cubeCalls.at(3), "uniform1i(environment,7)");
    EXPECT_EQ(cubeCalls.at(5), "tex_parameteri(34067,10242,10497)");
    EXPECT_EQ(cubeCalls.back(), "tex_parameteri(34067,10241,9728)");

    EXPECT_EQ(glCallsOf([&] { context->setTextureAt(0, nullptr); }),
              (Calls{"active_texture(33984)", "bind_texture(3553,null)", "bind_texture(34067,null)"}));
    std::string thrown;
    EXPECT_TRUE(glCallsOf([&] { thrown = thrownText([&] { context->setTextureAt(8, texture); }); }).empty());
    EXPECT_EQ(thrown, "Does not support texture8 or more");
    auto plain = make<framework::TextureBase>(framework::GL::createTexture(), 4, 4);
    EXPECT_EQ(thrownText([&] { context->setTextureAt(1, plain); }),
              "Texture of type framework._native.display3D.textures.TextureBase not supported yet");
    for (int sampler : {8, -1})
        EXPECT_EQ(thrownText([&] {
                      context->setSamplerStateAt(sampler, Context3DWrapMode::CLAMP, Context3DTextureFilter::LINEAR,
                                                 Context3DMipFilter::MIPNONE);
                  }),
                  "Sampler is out of bounds.");
}

TEST_F(Context3DProgram, TextureParametersByKindAndFilter) {
    Context3D::anisotropySupportTested = true;
    auto texture = context->createTexture(4, 4, std::nullopt, false);
    auto rectangle = context->createRectangleTexture(4, 4, std::nullopt, false);
    auto cube = context->createCubeTexture(4, std::nullopt, false);
    std::map<std::string, std::string> names = {{texture->glTexture->id.toText(), "T"},
                                               {rectangle->glTexture->id.toText(), "R"},
                                               {cube->glTexture->id.toText(), "C"}};
    struct Case {
        Ref<framework::TextureBase> texture;
        std::optional<Context3DWrapMode> wrap;
        std::optional<Context3DTextureFilter> filter;
        std::optional<Context3DMipFilter> mip;
        bool anisotropy;
        uint32_t maximum;
        Calls calls;  // after the binding; "S" and "T" stand for the two wrap calls with the value
    } cases[] = {
        {texture, Context3DWrapMode::CLAMP, Context3DTextureFilter::LINEAR, Context3DMipFilter::MIPNONE, true, 16,
         {"wrap 33071", "tex_parameteri(3553,10240,9729)", "tex_parameterf(3553,34046,1)",
          "tex_parameteri(3553,10241,9729)"}},
        {rectangle, Context3DWrapMode::REPEAT, Context3DTextureFilter::NEAREST, Context3DMipFilter::MIPLINEAR, false,
         16, {"wrap 33071", "tex_parameteri(3553,10240,9728)", "tex_parameteri(3553,10241,9728)"}},
        {texture, Context3DWrapMode::REPEAT, Context3DTextureFilter::ANISOTROPIC16X, Context3DMipFilter::MIPNEAREST,
         true, 8,
         {"wrap 10497", "tex_parameterf(3553,34046,8)", "generate_mipmap(3553)", "tex_parameteri(3553,10241,9984)"}},
        {texture, std::nullopt, Context3DTextureFilter::ANISOTROPIC16X, Context3DMipFilter::MIPNONE, true, 0xFFFFFFFFu,
         {"tex_parameterf(3553,34046,16)", "tex_parameteri(3553,10241,9729)"}},
        {texture, Context3DWrapMode::CLAMP, Context3DTextureFilter::ANISOTROPIC4X, Context3DMipFilter::MIPLINEAR,
         false, 16, {"wrap 33071", "generate_mipmap(3553)", "tex_parameteri(3553,10241,9987)"}},
        {cube, Context3DWrapMode::CLAMP, Context3DTextureFilter::ANISOTROPIC2X, Context3DMipFilter::MIPLINEAR, true, 1,
         {"wrap 33071", "tex_parameterf(34067,34046,1)", "tex_parameteri(34067,10241,9987)"}},
        {texture, std::nullopt, std::nullopt, std::nullopt, true, 16, {}},
        {rectangle, std::nullopt, std::nullopt, std::nullopt, true, 16,
         {"wrap 33071", "tex_parameteri(3553,10241,9729)"}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        Context3D::supportsAnisotropy = c.anisotropy;
        Context3D::maxSupportedAnisotropy = c.maximum;
        Calls calls = glCallsOf([&] { context->setTextureParameters(c.texture, c.wrap, c.filter, c.mip); });
        ASSERT_FALSE(calls.empty());
        const std::string target = c.texture == cube ? "34067" : "3553";
        EXPECT_EQ(calls.front(), "bind_texture(" + target + "," + c.texture->glTexture->id.toText() + ")") << i;
        Calls rest;
        for (std::size_t k = 1; k < calls.size(); ++k) {
            const std::string s = "tex_parameteri(" + target + ",10242,", t = "tex_parameteri(" + target + ",10243,";
            if (calls[k].rfind(s, 0) == 0 && k + 1 < calls.size() &&
                calls[k + 1] == t + calls[k].substr(s.size())) {
                rest.push_back("wrap " + calls[k].substr(s.size(), calls[k].size() - s.size() - 1));
                ++k;
            } else {
                rest.push_back(calls[k]);
            }
        }
        EXPECT_EQ(rest, c.calls) << i;
    }
}

TEST_F(Context3DProgram, TheAnisotropyProbeRunsOncePerProcess) {
    auto& fake = media::FakeMediaModule::get();
    fake.on("media_native_gl_get_supported_extensions", [](const std::vector<Value>& a) {
        a[0].as<runtime::Array>()->push(Value("GL_EXT_texture_filter_anisotropic"));
        return Value();
    });
    fake.returns("media_native_gl_get_tex_parameter", Value(16));
    auto texture = context->createTexture(4, 4, std::nullopt, false);
    Calls first = glCallsOf([&] {
        context->setTextureParameters(texture, Context3DWrapMode::CLAMP, Context3DTextureFilter::ANISOTROPIC16X,
                                      Context3DMipFilter::MIPNONE);
    });
    ASSERT_GE(first.size(), 3u);
    EXPECT_EQ(first.at(0), "get_supported_extensions([GL_EXT_texture_filter_anisotropic])");
    EXPECT_EQ(first.at(1), "tex_parameterf(3553,34046,256)");
    EXPECT_EQ(first.at(2), "get_tex_parameter(3553,34046)");
    EXPECT_TRUE(Context3D::anisotropySupportTested);
    EXPECT_TRUE(Context3D::supportsAnisotropy);
    EXPECT_EQ(Context3D::maxSupportedAnisotropy, 16u);
    // Another context finds the probe done.
    auto other = make<Context3D>();
    Calls second = glCallsOf([&] {
        other->setTextureParameters(texture, Context3DWrapMode::CLAMP, Context3DTextureFilter::ANISOTROPIC8X,
                                    Context3DMipFilter::MIPNONE);
    });
    EXPECT_EQ(second.front(), "bind_texture(3553," + texture->glTexture->id.toText() + ")");
    EXPECT_EQ(second.at(3), "tex_parameterf(3553,34046,8)");
}

TEST_F(Context3DProgram, DrawingIndexedTriangles) {
    auto indices = context->createIndexBuffer(9);
    const std::string I = indices->glBuffer->id.toText();
    std::string message;
    EXPECT_EQ(glCallsOf([&] {
                  try {
                      context->drawTriangles(indices);
                  } catch (const runtime::Thrown& t) {
                      if (auto* e = t.value().as<framework::Error>()) message = e->message.str();
                  }
              }),
              (Calls{"get_uniform_location(" + program->glProgram->id.toText() + ",yflip)", "uniform1f(yflip,1)"}));
    EXPECT_EQ(message,
              "Need to clear before drawing if the buffer has not been cleared since the last present() call.");
    context->clear();
    Calls all = glCallsOf([&] { context->drawTriangles(indices); });
    EXPECT_EQ(Calls(all.begin() + 1, all.end()),
              (Calls{"uniform1f(yflip,1)", "bind_buffer(34963," + I + ")", "draw_elements(4,9,5123,0)"}));
    context->setCulling(framework::Context3DTriangleFace::FRONT);
    all = glCallsOf([&] { context->drawTriangles(indices, 3, 2); });
    EXPECT_EQ(all.at(1), "uniform1f(yflip,-1)");
    EXPECT_EQ(all.back(), "draw_elements(4,6,5123,6)");
}
