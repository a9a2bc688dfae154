// The 3D context over the real back end's GL, headless: programs, buffers and textures made
// through the context draw into its back buffer and into textures, and read back exactly.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#include <stb/stb_image.h>

#include "framework/Lib.h"
#include "framework/display/BitmapData.h"
#include "framework/display/Stage.h"
#include "framework/display3D/Context3D.h"
#include "framework/display3D/Stage3D.h"
#include "framework/gl/GL.h"
#include "tests/support/CompiledShader.h"

using framework::Context3D;
using framework::Context3DProgramType;
using framework::Context3DVertexBufferFormat;
using framework::GL;
using framework::Lib;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {

constexpr const char* POSITION_VS =
    "attribute vec2 va0; uniform float yflip; varying vec2 uv;"
    "void main() { uv = va0 * 0.5 + 0.5; gl_Position = vec4(va0.x, va0.y * yflip, 0.0, 1.0); }";
constexpr const char* COLOUR_FS = "precision mediump float; uniform vec4 fc0; void main() { gl_FragColor = fc0; }";
constexpr const char* SAMPLING_FS =
    "precision mediump float; uniform sampler2D fs0; varying vec2 uv;"
    "void main() { gl_FragColor = texture2D(fs0, uv); }";

Ref<runtime::Array> numbers(std::vector<double> values) {
    auto list = make<runtime::Array>();
    for (double v : values) list->push(Value(v));
    return list;
}

// What a scene is given: the context and the resources every scene uses.
struct Scene {
    Ref<Context3D> context;
    Ref<framework::Program3D> colour, sampling;
    Ref<framework::VertexBuffer3D> fullScreen, lowerLeft;
    Ref<framework::IndexBuffer3D> triangle;

    // The programs and buffers, made through the context.
    void make(const Ref<Context3D>& c) {
        context = c;
        colour = c->createProgram();
        colour->upload(compiledShader(GL::VERTEX_SHADER, POSITION_VS), compiledShader(GL::FRAGMENT_SHADER, COLOUR_FS));
        sampling = c->createProgram();
        sampling->upload(compiledShader(GL::VERTEX_SHADER, POSITION_VS),
                         compiledShader(GL::FRAGMENT_SHADER, SAMPLING_FS));
        fullScreen = c->createVertexBuffer(3, 2);
        fullScreen->uploadFromVector(numbers({-1, -1, 3, -1, -1, 3}), 0, 3);
        lowerLeft = c->createVertexBuffer(3, 2);
        lowerLeft->uploadFromVector(numbers({-1, -1, 1, -1, -1, 1}), 0, 3);
        triangle = c->createIndexBuffer(3);
        triangle->uploadFromVector(numbers({0, 1, 2}), 0, 3);
    }
    void drawWith(const Ref<framework::Program3D>& program, const Ref<framework::VertexBuffer3D>& vertices) {
        context->setProgram(program);
        context->setVertexBufferAt(0, vertices, 0, Context3DVertexBufferFormat::FLOAT_2);
        context->drawTriangles(triangle);
    }
    void fill(double r, double g, double b, const Ref<framework::VertexBuffer3D>& vertices) {
        context->setProgram(colour);
        context->setProgramConstantsFromVector(Context3DProgramType::FRAGMENT, 0, numbers({r, g, b, 1}));
        drawWith(colour, vertices);
    }
};

// What a scene leaves: the back buffer's RGBA bytes after it drew, bottom row first, and what
// it noted on the way.
struct Outcome {
    std::vector<uint8_t> pixels;
    int error = -1, status = 0, depthBits = 0, stencilBits = 0;
    bool packed = false;
};

constexpr int WIDTH = 64, HEIGHT = 32;

void colourScene(Scene& s, Outcome& o) {
    s.context->clear(1, 0, 0, 1);
    s.fill(0, 1, 0, s.fullScreen);
    o.error = GL::getError();
}

void renderToTextureScene(Scene& s, Outcome& o) {
    auto texture = s.context->createTexture(WIDTH, HEIGHT, framework::Context3DTextureFormat::BGRA, true);
    // Red, with a green triangle over its lower left half.
    s.context->setRenderToTexture(texture, true);
    o.status = GL::checkFramebufferStatus(GL::FRAMEBUFFER);
    o.depthBits = GL::getRenderbufferParameter(GL::RENDERBUFFER, GL::RENDERBUFFER_DEPTH_SIZE).toInt();
    o.stencilBits = GL::getRenderbufferParameter(GL::RENDERBUFFER, GL::RENDERBUFFER_STENCIL_SIZE).toInt();
    auto extensions = GL::getSupportedExtensions();
    for (const Value& name : extensions->items)
        o.packed = o.packed || name.toText() == "GL_OES_packed_depth_stencil";
    s.context->clear(1, 0, 0, 1);
    s.fill(0, 1, 0, s.lowerLeft);
    o.error = GL::getError();
    // The back buffer in blue, covered by the texture.
    s.context->setRenderToBackBuffer();
    s.context->clear(0, 0, 1, 1);
    s.context->setTextureAt(0, texture);
    s.drawWith(s.sampling, s.fullScreen);
}

void bitmapScene(Scene& s, Outcome&) {
    auto bitmap = make<framework::BitmapData>(2, 1, true, static_cast<int>(0x80112233u));
    bitmap->setPixel32(1, 0, static_cast<int>(0xFF445566u));
    auto texture = s.context->createTexture(1, 1, framework::Context3DTextureFormat::BGRA, false);
    texture->uploadFromBitmapData(bitmap);
    EXPECT_EQ(texture->width, 2);
    EXPECT_EQ(texture->height, 1);
    s.context->setSamplerStateAt(0, framework::Context3DWrapMode::CLAMP, framework::Context3DTextureFilter::NEAREST,
                                 framework::Context3DMipFilter::MIPNONE);
    s.context->clear(0, 0, 0, 1);
    s.context->setTextureAt(0, texture);
    s.drawWith(s.sampling, s.fullScreen);
}

const std::vector<void (*)(Scene&, Outcome&)> SCENES = {colourScene, renderToTextureScene, bitmapScene};

// Runs the scenes once per process (the back end opens one window), one a frame inside the
// view's render callback of a stage whose 3D context has a back buffer the stage's size. Null
// without a GL context.
const std::vector<Outcome>* outcomes() {
    static bool ran = false, haveContext = true;
    static std::vector<Outcome> results(SCENES.size());
    if (ran) return haveContext ? &results : nullptr;
    ran = true;
    int created = 0, frames = 0;
    std::size_t next = 0;
    Scene scene;
    auto onLoaded = runtime::Function::of([&] {
        if (GL::get_version() == 0) {
            haveContext = false;
            Lib::close();
            return;
        }
        auto stage3D = Lib::get_stage()->stage3Ds->at(0).as<framework::Stage3D>();
        stage3D->addEventListener("context3DCreate", runtime::Function::of([&](Value) { ++created; }));
        stage3D->requestContext3D();
        stage3D->context3D->configureBackBuffer(WIDTH, HEIGHT, 0, true);
        scene.make(stage3D->context3D);
        scene.context->setRenderMethod(runtime::Function::of([&](Value) {
            if (next >= SCENES.size()) return;
            Outcome& outcome = results[next];
            SCENES[next++](scene, outcome);
            auto bytes = make<framework::ByteArray>(WIDTH * HEIGHT * 4);
            GL::readPixels(0, 0, WIDTH, HEIGHT, GL::RGBA, GL::UNSIGNED_BYTE, bytes);
            outcome.pixels = bytes->data();
            scene.context->present();
        }));
        Lib::get_stage()->addEventListener("enterFrame", runtime::Function::of([&](Value) {
            if (next >= SCENES.size() || ++frames >= 120) Lib::close();
        }));
    });
    Lib::create(onLoaded, WIDTH, HEIGHT, 60, 0x000000, 0, "3D context");
    if (haveContext) {
        EXPECT_EQ(created, 1);
        scene.context->dispose();
    }
    return haveContext ? &results : nullptr;
}

uint32_t rgbaAt(const std::vector<uint8_t>& pixels, int width, int x, int y) {
    const uint8_t* p = pixels.data() + (static_cast<std::size_t>(y) * width + x) * 4;
    return static_cast<uint32_t>(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3];
}

}  // namespace

#define NEED_GL(outcome)                                                    \
    const auto* all = outcomes();                                           \
    if (!all) GTEST_SKIP() << "no GL context on this machine";              \
    const Outcome& outcome = (*all)[index];                                 \
    ASSERT_EQ(outcome.pixels.size(), static_cast<std::size_t>(WIDTH * HEIGHT * 4))

TEST(Context3DNative, AProgramFillsTheBackBufferWithItsColour) {
    const std::size_t index = 0;
    NEED_GL(o);
    EXPECT_EQ(o.error, 0);
    for (auto [x, y] : {std::pair{0, 0}, {63, 0}, {0, 31}, {63, 31}, {20, 10}})
        EXPECT_EQ(rgbaAt(o.pixels, WIDTH, x, y), 0x00FF00FFu) << x << "," << y;
}

TEST(Context3DNative, ATextureRenderedIntoIsSampledBack) {
    const std::size_t index = 1;
    NEED_GL(o);
    EXPECT_EQ(o.status, GL::FRAMEBUFFER_COMPLETE);
    EXPECT_EQ(o.error, 0);
    // The depth-and-stencil request is a packed 24/8 buffer where GL has one.
    if (o.packed) {
        EXPECT_EQ(o.depthBits, 24);
        EXPECT_EQ(o.stencilBits, 8);
    }
    EXPECT_EQ(rgbaAt(o.pixels, WIDTH, 2, 2), 0x00FF00FFu);
    EXPECT_EQ(rgbaAt(o.pixels, WIDTH, 61, 29), 0xFF0000FFu);
}

TEST(Context3DNative, ABitmapArrivesAsRGBA) {
    const std::size_t index = 2;
    NEED_GL(o);
    // No blending: the texels land as they are, straight alpha included.
    EXPECT_EQ(rgbaAt(o.pixels, WIDTH, 10, 16), 0x11223380u);
    EXPECT_EQ(rgbaAt(o.pixels, WIDTH, 50, 16), 0x445566FFu);
}

// A back buffer smaller than the stage shows whole, at the stage's top left corner, with the
// stage around it: GL's window origin is the lower left corner of the back buffer, not of the
// window.
TEST(Context3DNative, ABackBufferSmallerThanTheStageShowsWholeAtTheTopLeft) {
    std::string png = ::testing::TempDir() + "context3d-small-back-buffer.png";
    std::remove(png.c_str());
    setenv("MEDIA_NATIVE_SNAPSHOT", png.c_str(), 1);
    bool haveContext = true;
    int renders = 0, frames = 0;
    Scene scene;
    auto onLoaded = runtime::Function::of([&] {
        if (GL::get_version() == 0) {
            haveContext = false;
            Lib::close();
            return;
        }
        auto stage3D = Lib::get_stage()->stage3Ds->at(0).as<framework::Stage3D>();
        stage3D->requestContext3D();
        stage3D->context3D->configureBackBuffer(WIDTH, HEIGHT, 0, false);
        scene.make(stage3D->context3D);
        scene.context->setRenderMethod(runtime::Function::of([&](Value rect) {
            ++renders;
            EXPECT_EQ(rect.field("width").toInt(), WIDTH);
            EXPECT_EQ(rect.field("height").toInt(), HEIGHT);
            // Red, green over the whole buffer, then blue over its lower left half.
            scene.context->clear(1, 0, 0, 1);
            scene.fill(0, 1, 0, scene.fullScreen);
            scene.fill(0, 0, 1, scene.lowerLeft);
            scene.context->present();
        }));
        Lib::get_stage()->addEventListener("enterFrame", runtime::Function::of([&](Value) {
            if (++frames >= 5) Lib::close();
        }));
    });
    Lib::create(onLoaded, 160, 120, 60, 0xFFFFFF, 0, "small back buffer");
    unsetenv("MEDIA_NATIVE_SNAPSHOT");
    if (!haveContext) GTEST_SKIP() << "no GL context on this machine";
    scene.context->dispose();
    EXPECT_GE(renders, 1);
    int w = 0, h = 0, n = 0;
    unsigned char* pixels = stbi_load(png.c_str(), &w, &h, &n, 4);
    ASSERT_NE(pixels, nullptr);
    ASSERT_EQ(w, 160);
    ASSERT_EQ(h, 120);
    auto at = [&](int x, int y) {
        const unsigned char* p = pixels + (y * w + x) * 4;
        return static_cast<uint32_t>(p[0] << 16 | p[1] << 8 | p[2]);
    };
    // The buffer upright and whole: blue at its lower left corner, green at its upper right.
    EXPECT_EQ(at(1, HEIGHT - 2), 0x0000FFu);
    EXPECT_EQ(at(10, HEIGHT - 4), 0x0000FFu);
    EXPECT_EQ(at(WIDTH - 2, 1), 0x00FF00u);
    EXPECT_EQ(at(WIDTH - 10, 3), 0x00FF00u);
    // The stage beside and below it.
    EXPECT_EQ(at(WIDTH + 1, 1), 0xFFFFFFu);
    EXPECT_EQ(at(1, HEIGHT + 1), 0xFFFFFFu);
    EXPECT_EQ(at(150, 110), 0xFFFFFFu);
    stbi_image_free(pixels);
}
