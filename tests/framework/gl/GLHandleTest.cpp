#include <gtest/gtest.h>

#include "framework/gl/Float32Data.h"
#include "framework/gl/GL.h"
#include "platform/media/fake/FakeMediaModule.h"

using framework::GL;
using framework::GLBuffer;
using framework::GLProgram;
using framework::GLShader;
using runtime::make;
using runtime::Value;

namespace {

class GLHandles : public ::testing::Test {
protected:
    void SetUp() override {
        auto& fake = media::FakeMediaModule::get();
        fake.reset();
        fake.on("media_native_gl_version", [this](const std::vector<Value>&) { return Value(contextVersion); });
    }
    int contextVersion = 1;
};

}  // namespace

TEST_F(GLHandles, ValidWhileTheirContextLivesAndUntilInvalidated) {
    auto buffer = make<GLBuffer>(1, Value(3));
    EXPECT_TRUE(buffer->isValid());
    EXPECT_TRUE(buffer->getField("valid").toBool());
    EXPECT_FALSE(buffer->getField("invalidated").toBool());
    EXPECT_EQ(buffer->toString(), "Buffer(3)");
    // The context is replaced: the handle's identifier is still there but no longer valid.
    contextVersion = 2;
    EXPECT_FALSE(buffer->isValid());
    EXPECT_TRUE(buffer->get_invalidated());
    EXPECT_EQ(buffer->id.toInt(), 3);
    contextVersion = 1;
    buffer->invalidate();
    EXPECT_TRUE(buffer->isInvalid());
    EXPECT_EQ(buffer->toString(), "Buffer(null)");
    // Nothing renews an invalidated handle.
    contextVersion = 1;
    EXPECT_FALSE(buffer->get_valid());
}

TEST_F(GLHandles, ZeroIsNoShaderButAValidBuffer) {
    EXPECT_FALSE(make<GLShader>(1, Value(0))->isValid());
    EXPECT_FALSE(make<GLShader>(1, Value(0.0))->isValid());
    EXPECT_TRUE(make<GLShader>(1, Value(4))->isValid());
    EXPECT_TRUE(make<GLBuffer>(1, Value(0))->isValid());
}

TEST_F(GLHandles, TypeNames) {
    struct Case {
        runtime::Ref<framework::GLObject> handle;
        const char* text;
    } cases[] = {
        {make<framework::GLObject>(1, Value(1)), "GLObject(1)"},
        {make<GLBuffer>(1, Value(5)), "Buffer(5)"},
        {make<framework::GLFramebuffer>(1, Value(2)), "Framebuffer(2)"},
        {make<framework::GLRenderbuffer>(1, Value(3)), "Renderbuffer(3)"},
        {make<framework::GLTexture>(1, Value(4)), "Texture(4)"},
        {make<GLShader>(1, Value(6)), "Shader(6)"},
        {make<GLProgram>(1, Value(12)), "Program(12)"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.handle->toString(), c.text);
}

TEST_F(GLHandles, ProgramKeepsItsShadersInAttachOrder) {
    auto program = make<GLProgram>(1, Value(12));
    auto a = make<GLShader>(1, Value(1));
    auto b = make<GLShader>(1, Value(2));
    program->attach(a);
    program->attach(b);
    program->attach(a);
    auto list = program->getShaders();
    ASSERT_EQ(list->length(), 3);
    EXPECT_EQ(list->at(0).object(), a.get());
    EXPECT_EQ(list->at(1).object(), b.get());
    EXPECT_EQ(list->at(2).object(), a.get());
    list->push(Value(b));
    EXPECT_EQ(program->getShaders()->length(), 3);
}

TEST_F(GLHandles, ValidityFailsWithoutTheVersionPrimitive) {
    auto saved = GL::media_gl_version;
    GL::initClass();
    GL::media_gl_version = runtime::Primitive();
    auto buffer = make<GLBuffer>(1, Value(3));
    try {
        buffer->isValid();
        ADD_FAILURE() << "no throw";
    } catch (const runtime::Thrown& t) {
        EXPECT_EQ(t.value().toText(), "Null Function Pointer");
    }
    GL::media_gl_version = saved;
}

TEST_F(GLHandles, Float32DataHoldsTheArrayOrTheWholeBuffer) {
    auto array = make<runtime::Array>(std::vector<Value>{Value(1.5), Value(2)});
    EXPECT_EQ(framework::Float32Data::fromArrayFloat(array).object(), array.get());
    auto buffer = make<framework::ByteArray>();
    buffer->setLength(16);
    auto view = make<framework::Float32Array>(Value(buffer), 4, 2);
    EXPECT_EQ(framework::Float32Data::fromFloat32Array(view).object(), buffer.get());
    EXPECT_EQ(framework::Float32Data::toDynamic(Value(7)).toInt(), 7);
}
