#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "../display/DisplayFixture.h"
#include "framework/display/BitmapData.h"
#include "framework/geom/Matrix3D.h"
#include "framework/gl/Float32Data.h"
#include "framework/gl/GL.h"
#include "framework/utils/Int16Array.h"
#include "framework/utils/UInt8Array.h"
#include "tests/support/ThrownText.h"

using framework::GL;
using media::FakeMediaModule;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {

class GLBinding : public DisplayFixture {
protected:
    void SetUp() override {
        DisplayFixture::SetUp();
        GL::initClass();
    }

    // The arguments of the only call to the primitive "media_native_gl_" + suffix, as text.
    static std::string argsOf(const std::string& suffix) {
        auto calls = FakeMediaModule::get().callsTo("media_native_gl_" + suffix);
        if (calls.size() != 1) return "calls: " + std::to_string(calls.size());
        std::string out;
        for (const Value& v : calls[0].args) out += (out.empty() ? "" : ",") + v.toText();
        return out;
    }
    static std::vector<Value> argValues(const std::string& suffix) {
        auto calls = FakeMediaModule::get().callsTo("media_native_gl_" + suffix);
        return calls.empty() ? std::vector<Value>() : calls.back().args;
    }
};

}  // namespace

TEST_F(GLBinding, EverySlotIsLoadedUnderItsName) {
    const auto& info = GL::staticClass();
    int slots = 0, constants = 0;
    for (const std::string& name : info.staticNames()) {
        if (name.rfind("media_gl_", 0) == 0) {
            ++slots;
            EXPECT_TRUE(info.findStatic(name)->read(nullptr, true).isFunction()) << name;
        } else if (name.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ_0123456789") == std::string::npos) {
            ++constants;
        }
    }
    EXPECT_EQ(slots, 133);
    EXPECT_EQ(constants, 297);
    // Values that repeat or leave the common pattern.
    EXPECT_EQ(GL::BLEND_EQUATION, 0x8009);
    EXPECT_EQ(GL::BLEND_EQUATION_RGB, 0x8009);
    EXPECT_EQ(GL::NONE, 0);
    EXPECT_EQ(GL::LINES, GL::ONE);
    EXPECT_EQ(GL::VERTEX_PROGRAM_POINT_SIZE, 34370);
    EXPECT_EQ(GL::POINT_SPRITE, 34913);
    EXPECT_EQ(GL::STENCIL_INDEX, 6401);
    EXPECT_EQ(GL::TEXTURE31, 0x84DF);
    EXPECT_EQ(GL::UNPACK_FLIP_Y_WEBGL, 0x9240);
    EXPECT_EQ(GL::BROWSER_DEFAULT_WEBGL, 0x9244);
    EXPECT_EQ(info.findStatic("FRAMEBUFFER")->read(nullptr, true).toInt(), 0x8D40);
}

TEST_F(GLBinding, PlainForwardersPassTheirArgumentsInOrder) {
    struct Case {
        std::function<void()> call;
        const char* suffix;
        const char* args;
    } cases[] = {
        {[] { GL::activeTexture(GL::TEXTURE1); }, "active_texture", "33985"},
        {[] { GL::blendColor(0.25, 0.5, 0.75, 1); }, "blend_color", "0.25,0.5,0.75,1"},
        {[] { GL::blendFuncSeparate(1, 2, 3, 4); }, "blend_func_separate", "1,2,3,4"},
        {[] { GL::clearColor(0.1, 0.2, 0.3, 0.4); }, "clear_color", "0.1,0.2,0.3,0.4"},
        {[] { GL::colorMask(true, false, true, false); }, "color_mask", "true,false,true,false"},
        {[] { GL::depthMask(false); }, "depth_mask", "false"},
        {[] { GL::drawElements(4, 6, GL::UNSIGNED_SHORT, 12); }, "draw_elements", "4,6,5123,12"},
        {[] { GL::sampleCoverage(0.5, true); }, "sample_coverage", "0.5,true"},
        {[] { GL::stencilOpSeparate(1, 2, 3, 4); }, "stencil_op_separate", "1,2,3,4"},
        {[] { GL::texParameterf(1, 2, 2.5); }, "tex_parameterf", "1,2,2.5"},
        {[] { GL::vertexAttrib4f(3, 1, 2, 3, 4); }, "vertex_attrib4f", "3,1,2,3,4"},
        {[] { GL::vertexAttribPointer(1, 3, GL::FLOAT, true, 20, 8); }, "vertex_attrib_pointer", "1,3,5126,true,20,8"},
        {[] { GL::uniform4i(Value("loc"), 1, 2, 3, 4); }, "uniform4i", "loc,1,2,3,4"},
        {[] { GL::uniform3f(Value(7), 1.5, 2, 3); }, "uniform3f", "7,1.5,2,3"},
        {[] { GL::copyTexImage2D(1, 2, 3, 4, 5, 6, 7, 8); }, "copy_tex_image_2d", "1,2,3,4,5,6,7,8"},
        {[] { GL::copyTexSubImage2D(8, 7, 6, 5, 4, 3, 2, 1); }, "copy_tex_sub_image_2d", "8,7,6,5,4,3,2,1"},
        {[] { GL::viewport(0, 0, 640, 480); }, "viewport", "0,0,640,480"},
        {[] { GL::getBufferParameter(GL::ARRAY_BUFFER, GL::BUFFER_SIZE); }, "get_buffer_paramerter", "34962,34660"},
        {[] { GL::getRenderbufferParameter(1, 2); }, "get_render_buffer_parameter", "1,2"},
        {[] { GL::getFramebufferAttachmentParameter(1, 2, 3); }, "get_framebuffer_attachment_parameter", "1,2,3"},
        {[] { GL::finish(); }, "finish", ""},
    };
    for (const auto& c : cases) {
        FakeMediaModule::get().reset();
        c.call();
        EXPECT_EQ(argsOf(c.suffix), c.args) << c.suffix;
    }
}

TEST_F(GLBinding, ResultsAreConverted) {
    auto& fake = FakeMediaModule::get();
    EXPECT_EQ(GL::getError(), 0);
    fake.returns("media_native_gl_get_error", Value(GL::INVALID_VALUE));
    EXPECT_EQ(GL::getError(), GL::INVALID_VALUE);
    EXPECT_FALSE(GL::isEnabled(GL::BLEND));
    fake.returns("media_native_gl_is_enabled", Value(2));
    EXPECT_TRUE(GL::isEnabled(GL::BLEND));
    auto shader = make<framework::GLShader>(0, Value(4));
    EXPECT_TRUE(GL::getShaderInfoLog(shader).isNull());
    fake.returns("media_native_gl_get_shader_info_log", Value("0:1: error"));
    EXPECT_EQ(GL::getShaderInfoLog(shader).str(), "0:1: error");
    fake.returns("media_native_gl_get_attrib_location", Value(2.0));
    EXPECT_EQ(GL::getAttribLocation(make<framework::GLProgram>(0, Value(1)), "va0"), 2);
    auto location = make<runtime::DynamicObject>();
    fake.returns("media_native_gl_get_uniform_location", Value(location));
    EXPECT_EQ(GL::getUniformLocation(make<framework::GLProgram>(0, Value(1)), "vc0").object(), location.get());
    EXPECT_EQ(GL::getExtension("OES_texture_float").toText(), "null");
    EXPECT_EQ(fake.count("media_native_gl_get_extension"), 0);
}

TEST_F(GLBinding, CreateAsksTheVersionFirstAndDeleteInvalidates) {
    auto& fake = FakeMediaModule::get();
    fake.returns("media_native_gl_version", Value(2));
    fake.returns("media_native_gl_create_buffer", Value(7));
    fake.returns("media_native_gl_create_shader", Value(9));
    auto buffer = GL::createBuffer();
    EXPECT_EQ(buffer->version, 2);
    EXPECT_EQ(buffer->id.toInt(), 7);
    ASSERT_GE(fake.calls().size(), 2u);
    EXPECT_EQ(fake.calls()[0].name, "media_native_gl_version");
    EXPECT_EQ(fake.calls()[1].name, "media_native_gl_create_buffer");
    auto shader = GL::createShader(GL::VERTEX_SHADER);
    EXPECT_EQ(shader->toString(), "Shader(9)");
    EXPECT_EQ(argsOf("create_shader"), "35633");
    EXPECT_TRUE(shader->isValid());
    // The back end's context was replaced.
    fake.returns("media_native_gl_version", Value(3));
    EXPECT_FALSE(shader->isValid());

    fake.returns("media_native_gl_create_texture", Value(4));
    auto texture = GL::createTexture();
    GL::deleteTexture(texture);
    EXPECT_EQ(argsOf("delete_texture"), "4");
    EXPECT_TRUE(texture->id.isNull());
    EXPECT_TRUE(texture->isInvalid());
    fake.returns("media_native_gl_create_program", Value(12));
    auto program = GL::createProgram();
    GL::deleteProgram(program);
    EXPECT_EQ(argValues("delete_program")[0].toInt(), 12);
    EXPECT_EQ(program->toString(), "Program(null)");
    EXPECT_EQ(GL::createRenderbuffer()->toString(), "Renderbuffer(null)");
    EXPECT_EQ(fake.count("media_native_gl_create_render_buffer"), 1);
}

TEST_F(GLBinding, HandlesBecomeIdentifiersAndAbsentHandlesUnbind) {
    auto& fake = FakeMediaModule::get();
    EXPECT_FALSE(GL::isProgram(nullptr));
    EXPECT_EQ(fake.count("media_native_gl_is_program"), 0);
    auto program = make<framework::GLProgram>(0, Value(5));
    EXPECT_FALSE(GL::isProgram(program));
    fake.returns("media_native_gl_is_program", Value(0));
    EXPECT_FALSE(GL::isProgram(program));
    fake.returns("media_native_gl_is_program", Value(true));
    EXPECT_TRUE(GL::isProgram(program));
    EXPECT_EQ(argValues("is_program")[0].toInt(), 5);

    GL::bindFramebuffer(GL::FRAMEBUFFER, nullptr);
    EXPECT_EQ(argsOf("bind_framebuffer"), "36160,null");
    GL::useProgram(nullptr);
    EXPECT_EQ(argsOf("use_program"), "null");
    GL::bindTexture(GL::TEXTURE_2D, make<framework::GLTexture>(0, Value(8)));
    EXPECT_EQ(argsOf("bind_texture"), "3553,8");
    GL::framebufferTexture2D(1, 2, 3, make<framework::GLTexture>(0, Value(8)), 0);
    EXPECT_EQ(argsOf("framebuffer_texture2D"), "1,2,3,8,0");
    GL::framebufferRenderbuffer(1, 2, 3, make<framework::GLRenderbuffer>(0, Value(6)));
    EXPECT_EQ(argsOf("framebuffer_renderbuffer"), "1,2,3,6");
    GL::bindAttribLocation(program, 1, "va1");
    EXPECT_EQ(argsOf("bind_attrib_location"), "5,1,va1");

    // A stale handle's identifier still reaches the back end.
    auto stale = make<framework::GLBuffer>(-4, Value(11));
    GL::bindBuffer(GL::ARRAY_BUFFER, stale);
    EXPECT_EQ(argsOf("bind_buffer"), "34962,11");
}

TEST_F(GLBinding, AttachRecordsShadersDetachLeavesTheList) {
    auto& fake = FakeMediaModule::get();
    auto program = make<framework::GLProgram>(0, Value(1));
    auto a = make<framework::GLShader>(0, Value(2));
    auto b = make<framework::GLShader>(0, Value(3));
    // The list is updated before the back end is asked.
    fake.on("media_native_gl_attach_shader", [&](const std::vector<Value>&) {
        EXPECT_GE(program->shaders->length(), 1);
        return Value();
    });
    GL::attachShader(program, a);
    GL::attachShader(program, b);
    GL::detachShader(program, a);
    auto attached = GL::getAttachedShaders(program);
    ASSERT_EQ(attached->length(), 2);
    EXPECT_EQ(attached->at(0).object(), a.get());
    EXPECT_EQ(attached->at(1).object(), b.get());
    EXPECT_EQ(fake.count("media_native_gl_attach_shader"), 2);
    EXPECT_EQ(argsOf("detach_shader"), "1,2");
}

TEST_F(GLBinding, MemoryRangesPassTheirBufferStartAndLength) {
    auto bytes = make<framework::ByteArray>();
    bytes->setLength(32);
    auto view = make<framework::UInt8Array>(Value(bytes), 16, 8);
    GL::bufferData(GL::ARRAY_BUFFER, Value(view), GL::STATIC_DRAW);
    auto args = argValues("buffer_data");
    ASSERT_EQ(args.size(), 5u);
    EXPECT_EQ(args[1].object(), bytes.get());
    EXPECT_EQ(args[2].toInt(), 16);
    EXPECT_EQ(args[3].toInt(), 8);
    EXPECT_EQ(args[4].toInt(), GL::STATIC_DRAW);
    // A byte array is a range of its own: from 0, its whole length.
    GL::bufferSubData(GL::ELEMENT_ARRAY_BUFFER, 4, Value(bytes));
    args = argValues("buffer_sub_data");
    ASSERT_EQ(args.size(), 5u);
    EXPECT_EQ(args[1].toInt(), 4);
    EXPECT_EQ(args[2].object(), bytes.get());
    EXPECT_EQ(args[3].toInt(), 0);
    EXPECT_EQ(args[4].toInt(), 32);

    GL::texImage2D(GL::TEXTURE_2D, 0, GL::RGBA, 2, 1, 0, GL::RGBA, GL::UNSIGNED_BYTE, view);
    args = argValues("tex_image_2d");
    ASSERT_EQ(args.size(), 10u);
    EXPECT_EQ(args[8].object(), bytes.get());
    EXPECT_EQ(args[9].toInt(), 16);
    GL::texSubImage2D(1, 2, 3, 4, 5, 6, 7, 8, nullptr);
    EXPECT_EQ(argsOf("tex_sub_image_2d"), "1,2,3,4,5,6,7,8,null,null");
    GL::compressedTexImage2D(1, 2, 3, 4, 5, 6, Value(view));
    args = argValues("compressed_tex_image_2d");
    ASSERT_EQ(args.size(), 8u);
    EXPECT_EQ(args[7].toInt(), 16);
    GL::compressedTexSubImage2D(1, 2, 3, 4, 5, 6, 7, Value());
    EXPECT_EQ(argsOf("compressed_tex_sub_image_2d"), "1,2,3,4,5,6,7,null,null");
    GL::readPixels(0, 0, 2, 2, GL::RGBA, GL::UNSIGNED_BYTE, bytes);
    args = argValues("read_pixels");
    ASSERT_EQ(args.size(), 8u);
    EXPECT_EQ(args[6].object(), bytes.get());
    EXPECT_EQ(args[7].toInt(), 0);
}

TEST_F(GLBinding, UniformListsAndMatrices) {
    auto floats = make<runtime::Array>(std::vector<Value>{Value(1.7), Value(-2.2)});
    GL::uniform2iv(Value(3), Value(floats));
    auto args = argValues("uniform2iv");
    ASSERT_EQ(args.size(), 2u);
    EXPECT_NE(args[1].object(), floats.get());
    EXPECT_EQ(args[1].toText(), "[1,-2]");
    auto ints = make<runtime::Array>(std::vector<Value>{Value(1), Value(2)});
    GL::uniform1iv(Value(3), Value(ints));
    EXPECT_EQ(argValues("uniform1iv")[1].object(), ints.get());
    GL::uniform4iv(Value(3), Value(floats));
    EXPECT_EQ(argValues("uniform4iv")[1].object(), floats.get());
    GL::uniform3iv(Value(3), Value("no array"));
    EXPECT_TRUE(argValues("uniform3iv")[1].isNull());

    auto f32 = make<framework::Float32Array>(Value(12));
    GL::uniform4fv(Value(2), framework::Float32Data::fromFloat32Array(f32));
    EXPECT_EQ(argValues("uniform4fv")[1].object(), f32->getByteBuffer().get());
    GL::vertexAttrib2fv(1, framework::Float32Data::fromArrayFloat(floats));
    EXPECT_EQ(argValues("vertex_attrib2fv")[1].object(), floats.get());

    auto bytes = make<framework::ByteArray>();
    bytes->setLength(64);
    auto values = make<framework::Float32Array>(Value(bytes), 8, 9);
    GL::uniformMatrix3fv(Value(5), false, values);
    args = argValues("uniform_matrix");
    ASSERT_EQ(args.size(), 4u);
    EXPECT_EQ(args[0].toInt(), 5);
    EXPECT_FALSE(args[1].toBool());
    EXPECT_EQ(args[2].object(), bytes.get());
    EXPECT_EQ(args[3].toInt(), 3);
    GL::uniformMatrix2fv(Value(5), true, values);
    EXPECT_EQ(argValues("uniform_matrix")[3].toInt(), 2);
    auto matrix = make<framework::Matrix3D>();
    GL::uniformMatrix3D(Value(6), true, matrix);
    args = argValues("uniform_matrix");
    EXPECT_EQ(args[3].toInt(), 4);
    auto* sent = dynamic_cast<framework::ByteArray*>(args[2].object());
    ASSERT_NE(sent, nullptr);
    EXPECT_EQ(sent->length(), 64);
}

TEST_F(GLBinding, ContextQueries) {
    auto& fake = FakeMediaModule::get();
    auto attributes = make<runtime::DynamicObject>();
    attributes->setField("premultipliedAlpha", Value(true));
    attributes->setField("preserveDrawingBuffer", Value(true));
    attributes->setField("stencil", Value(true));
    fake.returns("media_native_gl_get_context_attributes", Value(attributes));
    Value got = GL::getContextAttributes();
    EXPECT_FALSE(got.field("premultipliedAlpha").toBool());
    EXPECT_FALSE(got.field("preserveDrawingBuffer").toBool());
    EXPECT_TRUE(got.field("stencil").toBool());
    fake.on("media_native_gl_get_supported_extensions", [](const std::vector<Value>& a) {
        dynamic_cast<runtime::Array*>(a[0].object())->push(Value("OES_standard_derivatives"));
        return Value();
    });
    EXPECT_EQ(GL::getSupportedExtensions()->toString(), "[OES_standard_derivatives]");
}

TEST_F(GLBinding, AMissingPrimitiveFailsOnlyItsOwnOperation) {
    auto saved = GL::media_gl_stencil_op;
    GL::media_gl_stencil_op = GL::load("media_native_gl_no_such_primitive", 3);
    EXPECT_FALSE(GL::media_gl_stencil_op);
    EXPECT_EQ(thrownText([] { GL::stencilOp(GL::KEEP, GL::KEEP, GL::REPLACE); }), "Null Function Pointer");
    GL::stencilFunc(GL::ALWAYS, 1, 0xFF);
    EXPECT_EQ(argsOf("stencil_func"), "519,1,255");
    GL::media_gl_stencil_op = saved;
}

TEST_F(GLBinding, DrawingBufferFollowsTheStage) {
    auto& fake = FakeMediaModule::get();
    int width = 960;
    fake.on("media_native_stage_get_stage_width", [&width](const std::vector<Value>&) { return Value(width); });
    fake.returns("media_native_stage_get_stage_height", Value(540));
    auto stage = makeStage();
    framework::Lib::setCurrentStage_(stage);
    stage->addChild(framework::Lib::get_current());
    EXPECT_EQ(GL::get_drawingBufferWidth(), 960);
    EXPECT_EQ(GL::get_drawingBufferHeight(), 540);
    width = 1280;
    EXPECT_EQ(GL::staticClass().findStatic("drawingBufferWidth")->read(nullptr, true).toInt(), 1280);
    stage->removeChildren();
    framework::Lib::setCurrentStage_(nullptr);
}
