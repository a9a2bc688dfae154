// The real back end's GL primitives, headless: an offscreen OpenGL ES context (software
// rendering where there is no GPU).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/media/MediaPrimitives.h"
#include "platform/media/native/PngWriter.h"
#include "platform/runtime/Array.h"
#include "platform/runtime/ByteStorage.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/system/ModuleLoader.h"

using runtime::Value;

namespace {

// GL enumerations used below.
constexpr int COLOR_BUFFER_BIT = 0x4000, TRIANGLES = 4, ARRAY_BUFFER = 0x8892, STATIC_DRAW = 0x88E4, FLOAT = 0x1406,
              RGBA = 0x1908, UNSIGNED_BYTE = 0x1401, TEXTURE_2D = 0x0DE1, FRAMEBUFFER = 0x8D40,
              COLOR_ATTACHMENT0 = 0x8CE0, FRAMEBUFFER_COMPLETE = 0x8CD5, VERTEX_SHADER = 0x8B31,
              FRAGMENT_SHADER = 0x8B30, COMPILE_STATUS = 0x8B81, LINK_STATUS = 0x8B82, INVALID_OPERATION = 0x0502,
              INVALID_VALUE = 0x0501, INVALID_ENUM = 0x0500, UNSIGNED_SHORT = 0x1403, RENDERER = 0x1F01, CONTEXT_LOST_WEBGL = 0x9242;

Value gl(const std::string& suffix, std::vector<Value> args = {}) {
    std::string name = "media_native_gl_" + suffix;
    int count = -2;
    for (const auto& e : media::MediaPrimitives::all())
        if (name == e.name) count = e.argCount;
    EXPECT_NE(count, -2) << name;
    auto fn = sys::ModuleLoader::systemResolve("media-native", sys::ModuleLoader::symbolName(name, count));
    EXPECT_NE(fn, nullptr) << name;
    if (!fn) return {};
    if (count >= 0) args.resize(static_cast<std::size_t>(count));
    Value result;
    fn(args.data(), static_cast<int>(args.size()), &result);
    return result;
}

// A stand-in for a framework byte array: the back end reads "length" and the storage "b".
struct Bytes {
    runtime::Ref<runtime::ByteStorage> storage = runtime::make<runtime::ByteStorage>();
    runtime::Ref<runtime::DynamicObject> array = runtime::make<runtime::DynamicObject>();
    explicit Bytes(std::size_t size) {
        storage->bytes.assign(size, 0);
        array->setField("b", Value(storage));
        array->setField("length", Value(static_cast<int>(size)));
    }
    Value value() const { return Value(array); }
};

Bytes floats(const std::vector<float>& v) {
    Bytes b(v.size() * 4);
    std::memcpy(b.storage->bytes.data(), v.data(), v.size() * 4);
    return b;
}

bool haveContext() { return gl("version").toInt() > 0; }

Value compile(int type, const char* source) {
    Value shader = gl("create_shader", {Value(type)});
    gl("shader_source", {shader, Value(source)});
    gl("compile_shader", {shader});
    EXPECT_EQ(gl("get_shader_parameter", {shader, Value(COMPILE_STATUS)}).toInt(), 1)
        << gl("get_shader_info_log", {shader}).toText();
    return shader;
}

// A program of a vertex shader placing attribute va0 (at location 0) as it is and the given
// fragment shader, linked and in use.
Value positionProgram(const char* fragmentSource) {
    Value program = gl("create_program");
    gl("attach_shader",
       {program, compile(VERTEX_SHADER, "attribute vec2 va0; void main() { gl_Position = vec4(va0, 0.0, 1.0); }")});
    gl("attach_shader", {program, compile(FRAGMENT_SHADER, fragmentSource)});
    gl("bind_attrib_location", {program, Value(0), Value("va0")});
    gl("link_program", {program});
    EXPECT_EQ(gl("get_program_parameter", {program, Value(LINK_STATUS)}).toInt(), 1)
        << gl("get_program_info_log", {program}).toText();
    gl("use_program", {program});
    return program;
}

// A 64 × 64 RGBA texture bound as the colour of a new framebuffer.
Value offscreenTarget(int size) {
    Value texture = gl("create_texture");
    gl("bind_texture", {Value(TEXTURE_2D), texture});
    gl("tex_image_2d", {Value(TEXTURE_2D), Value(0), Value(RGBA), Value(size), Value(size), Value(0), Value(RGBA),
                        Value(UNSIGNED_BYTE), Value(), Value()});
    Value framebuffer = gl("create_framebuffer");
    gl("bind_framebuffer", {Value(FRAMEBUFFER), framebuffer});
    gl("framebuffer_texture2D", {Value(FRAMEBUFFER), Value(COLOR_ATTACHMENT0), Value(TEXTURE_2D), texture, Value(0)});
    EXPECT_EQ(gl("check_framebuffer_status", {Value(FRAMEBUFFER)}).toInt(), FRAMEBUFFER_COMPLETE);
    gl("viewport", {Value(0), Value(0), Value(size), Value(size)});
    return framebuffer;
}

uint32_t pixelAt(const Bytes& rgba, int size, int x, int y) {
    const uint8_t* p = rgba.storage->bytes.data() + (static_cast<std::size_t>(y) * size + x) * 4;
    return static_cast<uint32_t>(p[3]) << 24 | p[0] << 16 | p[1] << 8 | p[2];
}

}  // namespace

TEST(NativeGL, ClearsAndDrawsATriangleIntoAFramebuffer) {
    if (!haveContext()) GTEST_SKIP() << "no GL context on this machine";
    EXPECT_TRUE(gl("get_parameter", {Value(RENDERER)}).isString());
    constexpr int size = 64;
    offscreenTarget(size);
    gl("clear_color", {Value(0.0), Value(0.0), Value(1.0), Value(1.0)});
    gl("clear", {Value(COLOR_BUFFER_BIT)});

    Value program = positionProgram("precision mediump float; uniform vec4 fc0; void main() { gl_FragColor = fc0; }");
    ASSERT_EQ(gl("get_program_parameter", {program, Value(LINK_STATUS)}).toInt(), 1);
    Value colour = gl("get_uniform_location", {program, Value("fc0")});
    ASSERT_FALSE(colour.isNull());
    EXPECT_TRUE(gl("get_uniform_location", {program, Value("missing")}).isNull());
    // The colour as a float list, the way a Float32Data array arrives.
    auto red = runtime::make<runtime::Array>(std::vector<Value>{Value(1.0), Value(0.0), Value(0.0), Value(1.0)});
    gl("uniform4fv", {colour, Value(red)});

    // A triangle over the lower left half, its vertices from byte 8 of the array.
    Bytes vertices = floats({9, 9, -1, -1, 1, -1, -1, 1});
    Value buffer = gl("create_buffer");
    gl("bind_buffer", {Value(ARRAY_BUFFER), buffer});
    gl("buffer_data", {Value(ARRAY_BUFFER), vertices.value(), Value(8), Value(24), Value(STATIC_DRAW)});
    gl("enable_vertex_attrib_array", {Value(0)});
    gl("vertex_attrib_pointer", {Value(0), Value(2), Value(FLOAT), Value(false), Value(0), Value(0)});
    gl("draw_arrays", {Value(TRIANGLES), Value(0), Value(3)});
    EXPECT_EQ(gl("get_error").toInt(), 0);
    // The buffer holds three vertices: a fourth, or indices past the index buffer, are refused.
    gl("draw_arrays", {Value(TRIANGLES), Value(1), Value(3)});
    EXPECT_EQ(gl("get_error").toInt(), INVALID_OPERATION);
    Bytes indexBytes(6);
    Value indexBuffer = gl("create_buffer");
    gl("bind_buffer", {Value(0x8893 /* ELEMENT_ARRAY_BUFFER */), indexBuffer});
    gl("buffer_data", {Value(0x8893), indexBytes.value(), Value(0), Value(6), Value(STATIC_DRAW)});
    gl("draw_elements", {Value(TRIANGLES), Value(3), Value(UNSIGNED_SHORT), Value(2)});
    EXPECT_EQ(gl("get_error").toInt(), INVALID_OPERATION);
    gl("draw_elements", {Value(TRIANGLES), Value(3), Value(UNSIGNED_SHORT), Value(0)});
    EXPECT_EQ(gl("get_error").toInt(), 0);

    Bytes pixels(size * size * 4);
    gl("read_pixels", {Value(0), Value(0), Value(size), Value(size), Value(RGBA), Value(UNSIGNED_BYTE),
                       pixels.value(), Value(0)});
    // GL's rows run bottom-up: row 0 is the bottom, where the triangle is.
    EXPECT_EQ(pixelAt(pixels, size, 4, 4), 0xFFFF0000u);
    EXPECT_EQ(pixelAt(pixels, size, size - 4, size - 4), 0xFF0000FFu);

    if (const char* out = std::getenv("GLV_GL_SNAPSHOT")) {
        std::vector<uint32_t> argb(size * size);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) argb[y * size + x] = pixelAt(pixels, size, x, size - 1 - y);
        EXPECT_TRUE(media::PngWriter::write(out, size, size, argb.data()));
    }
    gl("bind_framebuffer", {Value(FRAMEBUFFER), Value()});
    gl("use_program", {Value()});
    gl("delete_program", {program});
    EXPECT_FALSE(gl("is_program", {program}).toBool());
    gl("delete_buffer", {buffer});
}

TEST(NativeGL, RefusesCallsThatWouldReachMemoryItWasNotGiven) {
    if (!haveContext()) GTEST_SKIP() << "no GL context on this machine";
    gl("get_error");
    // No buffer bound: an offset would be read as a client address.
    gl("bind_buffer", {Value(ARRAY_BUFFER), Value()});
    gl("vertex_attrib_pointer", {Value(1), Value(2), Value(FLOAT), Value(false), Value(0), Value(16)});
    EXPECT_EQ(gl("get_error").toInt(), INVALID_OPERATION);
    gl("draw_elements", {Value(TRIANGLES), Value(3), Value(UNSIGNED_SHORT), Value(0)});
    EXPECT_EQ(gl("get_error").toInt(), INVALID_OPERATION);
    // An enabled attribute without a buffer.
    gl("enable_vertex_attrib_array", {Value(3)});
    gl("draw_arrays", {Value(TRIANGLES), Value(0), Value(3)});
    EXPECT_EQ(gl("get_error").toInt(), INVALID_OPERATION);
    gl("disable_vertex_attrib_array", {Value(3)});
    // Byte ranges past the array's storage.
    Bytes small(8);
    Value buffer = gl("create_buffer");
    gl("bind_buffer", {Value(ARRAY_BUFFER), buffer});
    gl("buffer_data", {Value(ARRAY_BUFFER), small.value(), Value(4), Value(8), Value(STATIC_DRAW)});
    EXPECT_EQ(gl("get_error").toInt(), INVALID_VALUE);
    gl("read_pixels", {Value(0), Value(0), Value(4), Value(4), Value(RGBA), Value(UNSIGNED_BYTE), small.value(),
                       Value(0)});
    EXPECT_EQ(gl("get_error").toInt(), INVALID_VALUE);
    gl("tex_image_2d", {Value(TEXTURE_2D), Value(0), Value(RGBA), Value(4), Value(4), Value(0), Value(RGBA),
                        Value(UNSIGNED_BYTE), small.value(), Value(0)});
    EXPECT_EQ(gl("get_error").toInt(), INVALID_OPERATION);
    gl("uniform_matrix", {Value(0), Value(false), small.value(), Value(4)});
    EXPECT_EQ(gl("get_error").toInt(), INVALID_VALUE);
    // Settings and forms that would make GL read more than the sizes checked above.
    gl("pixel_storei", {Value(0x0CF2 /* UNPACK_ROW_LENGTH */), Value(1000)});
    EXPECT_EQ(gl("get_error").toInt(), INVALID_ENUM);
    gl("tex_image_2d", {Value(TEXTURE_2D), Value(0), Value(RGBA), Value(1), Value(1), Value(0), Value(RGBA),
                        Value(0x1405 /* UNSIGNED_INT */), small.value(), Value(0)});
    EXPECT_EQ(gl("get_error").toInt(), INVALID_ENUM);
    gl("bind_buffer", {Value(0x88EC /* PIXEL_UNPACK_BUFFER */), buffer});
    EXPECT_EQ(gl("get_error").toInt(), INVALID_ENUM);
    // A small upload that fits is taken.
    Bytes pixel(4);
    gl("tex_image_2d", {Value(TEXTURE_2D), Value(0), Value(RGBA), Value(1), Value(1), Value(0), Value(RGBA),
                        Value(UNSIGNED_BYTE), pixel.value(), Value(0)});
    EXPECT_EQ(gl("get_error").toInt(), 0);
    gl("delete_buffer", {buffer});
    EXPECT_EQ(gl("get_error").toInt(), 0);
}

TEST(NativeGL, ContextDetailsAndExtensions) {
    if (!haveContext()) GTEST_SKIP() << "no GL context on this machine";
    Value attributes = gl("get_context_attributes");
    EXPECT_FALSE(attributes.field("premultipliedAlpha").toBool());
    EXPECT_TRUE(attributes.field("stencil").toBool());
    auto names = runtime::make<runtime::Array>();
    gl("get_supported_extensions", {Value(names)});
    EXPECT_GT(names->length(), 0);
    int version = gl("version").toInt();
    EXPECT_EQ(gl("version").toInt(), version);
    (void)CONTEXT_LOST_WEBGL;
}

TEST(NativeGL, WebGLDepthStencilTexturesAndTransposedMatrices) {
    if (!haveContext()) GTEST_SKIP() << "no GL context on this machine";
    constexpr int RENDERBUFFER = 0x8D41, DEPTH_STENCIL = 0x84F9, DEPTH_STENCIL_ATTACHMENT = 0x821A,
                  RENDERBUFFER_INTERNAL_FORMAT = 0x8D44, RENDERBUFFER_DEPTH_SIZE = 0x8D54,
                  RENDERBUFFER_STENCIL_SIZE = 0x8D55, OBJECT_NAME = 0x8CD1;
    constexpr int size = 8;
    gl("get_error");
    // A texture that was made but never bound can be attached.
    Value texture = gl("create_texture");
    Value framebuffer = gl("create_framebuffer");
    gl("bind_framebuffer", {Value(FRAMEBUFFER), framebuffer});
    gl("framebuffer_texture2D", {Value(FRAMEBUFFER), Value(COLOR_ATTACHMENT0), Value(TEXTURE_2D), texture, Value(0)});
    EXPECT_EQ(gl("get_error").toInt(), 0);
    gl("bind_texture", {Value(TEXTURE_2D), texture});
    gl("tex_image_2d", {Value(TEXTURE_2D), Value(0), Value(RGBA), Value(size), Value(size), Value(0), Value(RGBA),
                        Value(UNSIGNED_BYTE), Value(), Value()});
    // A depth-and-stencil render buffer, attached at both points at once.
    Value depthStencil = gl("create_render_buffer");
    gl("bind_renderbuffer", {Value(RENDERBUFFER), depthStencil});
    gl("renderbuffer_storage", {Value(RENDERBUFFER), Value(DEPTH_STENCIL), Value(size), Value(size)});
    gl("framebuffer_renderbuffer",
       {Value(FRAMEBUFFER), Value(DEPTH_STENCIL_ATTACHMENT), Value(RENDERBUFFER), depthStencil});
    EXPECT_EQ(gl("get_error").toInt(), 0);
    EXPECT_EQ(gl("check_framebuffer_status", {Value(FRAMEBUFFER)}).toInt(), FRAMEBUFFER_COMPLETE);
    EXPECT_EQ(gl("get_framebuffer_attachment_parameter",
                 {Value(FRAMEBUFFER), Value(DEPTH_STENCIL_ATTACHMENT), Value(OBJECT_NAME)}).toInt(),
              depthStencil.toInt());
    auto names = runtime::make<runtime::Array>();
    gl("get_supported_extensions", {Value(names)});
    bool packed = false;
    for (const Value& name : names->items) packed = packed || name.toText() == "GL_OES_packed_depth_stencil";
    if (packed) {
        auto parameter = [](int name) {
            return gl("get_render_buffer_parameter", {Value(RENDERBUFFER), Value(name)});
        };
        EXPECT_EQ(parameter(RENDERBUFFER_INTERNAL_FORMAT).toInt(), DEPTH_STENCIL);
        EXPECT_EQ(parameter(RENDERBUFFER_DEPTH_SIZE).toInt(), 24);
        EXPECT_EQ(parameter(RENDERBUFFER_STENCIL_SIZE).toInt(), 8);
    }
    gl("viewport", {Value(0), Value(0), Value(size), Value(size)});

    // A matrix uniform given transposed arrives transposed: the program shows its first column.
    Value program = positionProgram("precision mediump float; uniform mat4 m; void main() { gl_FragColor = m[0]; }");
    Bytes vertices = floats({-1, -1, 3, -1, -1, 3});
    Value buffer = gl("create_buffer");
    gl("bind_buffer", {Value(ARRAY_BUFFER), buffer});
    gl("buffer_data", {Value(ARRAY_BUFFER), vertices.value(), Value(0), Value(24), Value(STATIC_DRAW)});
    gl("enable_vertex_attrib_array", {Value(0)});
    gl("vertex_attrib_pointer", {Value(0), Value(2), Value(FLOAT), Value(false), Value(0), Value(0)});
    // Column 0 is blue as given, and rows' first entries (0, 1, 0, 1) make it green transposed.
    Bytes matrix = floats({0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0});
    Bytes pixels(size * size * 4);
    for (bool transpose : {false, true}) {
        gl("uniform_matrix", {gl("get_uniform_location", {program, Value("m")}), Value(transpose), matrix.value(),
                              Value(4)});
        gl("draw_arrays", {Value(TRIANGLES), Value(0), Value(3)});
        EXPECT_EQ(gl("get_error").toInt(), 0);
        gl("read_pixels", {Value(0), Value(0), Value(size), Value(size), Value(RGBA), Value(UNSIGNED_BYTE),
                           pixels.value(), Value(0)});
        EXPECT_EQ(pixelAt(pixels, size, 3, 3), transpose ? 0xFF00FF00u : 0xFF0000FFu);
    }
    gl("bind_framebuffer", {Value(FRAMEBUFFER), Value()});
    gl("use_program", {Value()});
    gl("delete_program", {program});
    gl("delete_buffer", {buffer});
    gl("delete_framebuffer", {framebuffer});
    gl("delete_render_buffer", {depthStencil});
    gl("delete_texture", {texture});
}

// Runs in a fresh process whose EGL finds no driver: every primitive answers null without
// touching GL, the version stays 0 and the error query reports the lost context once.
TEST(NativeGLDeathTest, WithoutAContextEveryPrimitiveFailsSoftly) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("__EGL_VENDOR_LIBRARY_FILENAMES", "/nonexistent/egl-vendor.json", 1);
            bool soft = gl("version").toInt() == 0;
            soft = soft && gl("get_error").toInt() == CONTEXT_LOST_WEBGL && gl("get_error").toInt() == 0;
            for (const auto& e : media::MediaPrimitives::all()) {
                std::string name(e.name);
                if (name.rfind("media_native_gl_", 0) != 0 || name == "media_native_gl_version" ||
                    name == "media_native_gl_get_error")
                    continue;
                std::vector<Value> args(e.argCount < 0 ? 10 : e.argCount);
                if (!gl(name.substr(16), args).isNull()) soft = false;
            }
            soft = soft && gl("get_error").toInt() == CONTEXT_LOST_WEBGL;
            std::exit(soft ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
