// An OpenGL view on the stage of the real back end, headless: what its render callback draws
// through the GL binding shows in the frame, over the stage colour where it is transparent.
#include <gtest/gtest.h>

#include <cstdlib>

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#include <stb/stb_image.h>

#include "framework/Lib.h"
#include "framework/display/OpenGLView.h"
#include "framework/display/Stage.h"
#include "framework/gl/Float32Data.h"
#include "framework/gl/GL.h"
#include "tests/support/CompiledShader.h"

using framework::GL;
using framework::Lib;
using framework::OpenGLView;
using runtime::make;
using runtime::Ref;
using runtime::Value;

TEST(OpenGLViewNative, ATriangleDrawnInTheRenderCallbackReachesTheFrame) {
    std::string png = ::testing::TempDir() + "opengl-view.png";
    std::remove(png.c_str());
    setenv("MEDIA_NATIVE_SNAPSHOT", png.c_str(), 1);
    int renders = 0, frames = 0;
    bool haveContext = true;
    Ref<framework::GLProgram> program;
    Ref<framework::GLBuffer> vertices;
    auto onLoaded = runtime::Function::of([&] {
        auto stage = Lib::get_stage();
        stage->set_color(0x0000FF);
        if (GL::get_version() == 0) {
            haveContext = false;
            Lib::close();
            return;
        }
        auto view = make<OpenGLView>();
        view->render = runtime::Function::of([&](Value rect) {
            ++renders;
            if (!program) {
                program = GL::createProgram();
                GL::attachShader(program,
                                 compiledShader(GL::VERTEX_SHADER, "attribute vec2 va0;"
                                                                   "void main() { gl_Position = vec4(va0, 0.0, 1.0); }"));
                GL::attachShader(program, compiledShader(GL::FRAGMENT_SHADER, "precision mediump float; uniform vec4 fc0;"
                                                                              "void main() { gl_FragColor = fc0; }"));
                GL::bindAttribLocation(program, 0, "va0");
                GL::linkProgram(program);
                vertices = GL::createBuffer();
                GL::bindBuffer(GL::ARRAY_BUFFER, vertices);
                auto corners = make<runtime::Array>(
                    std::vector<Value>{Value(-1), Value(-1), Value(1), Value(-1), Value(-1), Value(1)});
                GL::bufferData(GL::ARRAY_BUFFER, Value(make<framework::Float32Array>(Value(corners))), GL::STATIC_DRAW);
            }
            GL::viewport(0, 0, rect.field("width").toInt(), rect.field("height").toInt());
            GL::clearColor(0, 0, 0, 0);
            GL::clear(GL::COLOR_BUFFER_BIT);
            GL::useProgram(program);
            auto red = make<runtime::Array>(std::vector<Value>{Value(1), Value(0), Value(0), Value(1)});
            GL::uniform4fv(GL::getUniformLocation(program, "fc0"), framework::Float32Data::fromArrayFloat(red));
            GL::bindBuffer(GL::ARRAY_BUFFER, vertices);
            GL::enableVertexAttribArray(0);
            GL::vertexAttribPointer(0, 2, GL::FLOAT, false, 0, 0);
            GL::drawArrays(GL::TRIANGLES, 0, 3);
        });
        stage->addChild(view);
        stage->addEventListener("enterFrame", runtime::Function::of([&](Value) {
            if (++frames >= 5) Lib::close();
        }));
    });
    Lib::create(onLoaded, 160, 120, 60, 0x0000FF, 0, "GL view");
    unsetenv("MEDIA_NATIVE_SNAPSHOT");
    if (!haveContext) GTEST_SKIP() << "no GL context on this machine";
    EXPECT_GE(renders, 1);
    EXPECT_EQ(GL::getError(), 0);
    int w = 0, h = 0, n = 0;
    unsigned char* pixels = stbi_load(png.c_str(), &w, &h, &n, 4);
    ASSERT_NE(pixels, nullptr);
    ASSERT_EQ(w, 160);
    ASSERT_EQ(h, 120);
    auto at = [&](int x, int y) {
        const unsigned char* p = pixels + (y * w + x) * 4;
        return p[0] << 16 | p[1] << 8 | p[2];
    };
    // The triangle covers the lower left half of the frame; the stage shows through elsewhere.
    EXPECT_EQ(at(5, h - 5), 0xFF0000);
    EXPECT_EQ(at(w - 5, 5), 0x0000FF);
    stbi_image_free(pixels);
}
