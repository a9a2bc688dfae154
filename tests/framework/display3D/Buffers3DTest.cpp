// Vertex and index buffer uploads and program links of the 3D context, against the recording
// fake back end: what byte range of which buffer reaches GL.
#include <gtest/gtest.h>

#include <cstring>

#include "Context3DFixture.h"
#include "tests/support/ThrownText.h"

using framework::ByteArray;
using framework::Context3D;
using runtime::make;
using runtime::Ref;
using runtime::Value;
using Calls = std::vector<std::string>;

namespace {

class Buffers3D : public Context3DFixture {
protected:
    void SetUp() override {
        Context3DFixture::SetUp();
        context = make<Context3D>();
    }
    // The last buffer_data call: its target, byte range start and length, and the bytes.
    struct Upload {
        int target = 0, start = 0, length = 0;
        Ref<ByteArray> buffer;
        std::vector<uint8_t> bytes;
    };
    static Upload lastUpload() {
        Upload u;
        auto calls = media::FakeMediaModule::get().callsTo("media_native_gl_buffer_data");
        if (calls.empty()) return u;
        const auto& a = calls.back().args;
        u.target = a[0].toInt();
        u.buffer = Ref<ByteArray>(a[1].as<ByteArray>());
        u.start = a[2].toInt();
        u.length = a[3].toInt();
        EXPECT_EQ(a[4].toInt(), framework::GL::STATIC_DRAW);
        if (u.buffer) {
            auto all = u.buffer->data();
            u.bytes.assign(all.begin() + u.start, all.begin() + u.start + u.length);
        }
        return u;
    }
    static std::vector<float> floatsOf(const Upload& u) {
        std::vector<float> out(u.bytes.size() / 4);
        std::memcpy(out.data(), u.bytes.data(), out.size() * 4);
        return out;
    }
    static Ref<runtime::Array> numbers(std::vector<double> values) {
        auto list = make<runtime::Array>();
        for (double v : values) list->push(Value(v));
        return list;
    }

    Ref<Context3D> context;
};

}  // namespace

TEST_F(Buffers3D, VertexUploadsCoverTheRangeAsked) {
    auto vertices = context->createVertexBuffer(4, 3);
    const std::string bind = "bind_buffer(34962," + vertices->glBuffer->id.toText() + ")";
    auto data = make<ByteArray>(48);
    EXPECT_TRUE(data->bigEndian);
    EXPECT_EQ(glCallsOf([&] { vertices->uploadFromByteArray(data, 0, 1, 3); }),
              (Calls{bind, "buffer_data(34962,bytes,12,36,35044)"}));
    Upload u = lastUpload();
    EXPECT_EQ(u.buffer.get(), data.get());
    EXPECT_FALSE(data->bigEndian);  // viewed little-endian from now on
    // One vertex more runs past the data: the buffer was bound, nothing uploaded.
    std::string thrown;
    EXPECT_EQ(glCallsOf([&] { thrown = thrownText([&] { vertices->uploadFromByteArray(data, 0, 1, 4); }); }),
              (Calls{bind}));
    EXPECT_EQ(thrown, "Invalid buffer length");
    EXPECT_EQ(thrownText([&] { vertices->uploadFromByteArray(nullptr, 0, 0, 1); }), "Invalid input buffer");
    EXPECT_EQ(thrownText([&] { vertices->uploadFromByteArray(data, 52, 0, 0); }), "Invalid starting position");

    // Lists: the first numVertices × data32PerVertex numbers, whatever the start vertex.
    auto wide = context->createVertexBuffer(2, 4);
    wide->uploadFromVector(numbers({1, 2, 3, 4, 5, 6}), 0, 2);
    EXPECT_EQ(floatsOf(lastUpload()), (std::vector<float>{1, 2, 3, 4, 5, 6, 0, 0}));
    wide->uploadFromVector(numbers({1, 2, 3, 4, 5, 6, 7, 8.1}), 5, 2);
    EXPECT_EQ(floatsOf(lastUpload()), (std::vector<float>{1, 2, 3, 4, 5, 6, 7, 8.1f}));
    // A float view goes whole, whatever the count says.
    wide->uploadFromFloat32Array(make<framework::Float32Array>(Value(12)), 3, 1);
    EXPECT_EQ(lastUpload().length, 48);
}

TEST_F(Buffers3D, IndexUploadsAreSixteenBits) {
    auto indices = context->createIndexBuffer(3);
    const std::string bind = "bind_buffer(34963," + indices->glBuffer->id.toText() + ")";
    EXPECT_EQ(glCallsOf([&] { indices->uploadFromVector(numbers({70000, -1}), 4, 2); }),
              (Calls{bind, "buffer_data(34963,bytes,0,4,35044)"}));
    EXPECT_EQ(lastUpload().bytes, (std::vector<uint8_t>{0x70, 0x11, 0xFF, 0xFF}));
    auto data = make<ByteArray>(12);
    EXPECT_EQ(glCallsOf([&] { indices->uploadFromByteArray(data, 2, 1, 3); }),
              (Calls{bind, "buffer_data(34963,bytes,4,6,35044)"}));
    EXPECT_EQ(thrownText([&] { indices->uploadFromByteArray(data, 2, 1, 5); }), "Invalid buffer length");
}

TEST_F(Buffers3D, ProgramsLinkOrThrowTheirLog) {
    auto& fake = media::FakeMediaModule::get();
    auto program = context->createProgram();
    const std::string P = program->glProgram->id.toText();
    auto vertex = framework::GL::createShader(framework::GL::VERTEX_SHADER);
    auto fragment = framework::GL::createShader(framework::GL::FRAGMENT_SHADER);
    const std::string V = vertex->id.toText(), F = fragment->id.toText();
    fake.returns("media_native_gl_get_program_parameter", Value(1));
    EXPECT_EQ(glCallsOf([&] { program->upload(vertex, fragment); }),
              (Calls{"attach_shader(" + P + "," + V + ")", "attach_shader(" + P + "," + F + ")",
                     "link_program(" + P + ")", "get_program_parameter(" + P + ",35714)"}));
    // A failed link with an empty log returns; with a log it throws the log itself.
    fake.returns("media_native_gl_get_program_parameter", Value(0));
    fake.returns("media_native_gl_get_program_info_log", Value(""));
    EXPECT_EQ(thrownText([&] { program->upload(vertex, fragment); }), "(nothing thrown)");
    fake.returns("media_native_gl_get_program_info_log", Value("error: va0 undeclared"));
    EXPECT_EQ(thrownText([&] { program->upload(vertex, fragment); }), "error: va0 undeclared");
    EXPECT_EQ(program->glProgram->getShaders()->length(), 6);

    // Disposing leaves the object in the context's list with an invalid handle.
    auto vertices = context->createVertexBuffer(1, 1);
    EXPECT_EQ(glCallsOf([&] { program->dispose(); }), (Calls{"delete_program(" + P + ")"}));
    vertices->dispose();
    EXPECT_FALSE(program->glProgram->isValid());
    EXPECT_FALSE(vertices->glBuffer->isValid());
    EXPECT_EQ(context->programsCreated->at(0).object(), program.get());
    EXPECT_EQ(context->vertexBuffersCreated->length(), 1);
}
