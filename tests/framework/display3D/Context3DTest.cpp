// The 3D context's life cycle and fixed-function state, and its enumerations, against the
// recording fake back end.
#include <gtest/gtest.h>

#include "Context3DFixture.h"
#include "framework/display3D/Context3DClearMask.h"
#include "framework/display3D/Context3DTriangleFace.h"
#include "framework/display3D/SamplerState.h"
#include "framework/display3D/Stage3D.h"
#include "framework/events/Event.h"
#include "tests/support/ThrownText.h"

using framework::Context3D;
using framework::Context3DTriangleFace;
using framework::Rectangle;
using runtime::make;
using runtime::Ref;
using runtime::Value;
using Calls = std::vector<std::string>;

namespace {

class Context3DState : public Context3DFixture {};

std::string rectText(const Ref<Rectangle>& r) {
    return r ? Value(r->x).toText() + "," + Value(r->y).toText() + "," + Value(r->width).toText() + "," +
                   Value(r->height).toText()
             : "null";
}

}  // namespace

TEST_F(Context3DState, Stage3DHandsOutANewContextOnEachRequest) {
    auto stage3D = stage->stage3Ds->at(0).as<framework::Stage3D>();
    ASSERT_NE(stage3D, nullptr);
    EXPECT_EQ(stage3D->context3D, nullptr);
    int announced = 0;
    stage3D->addEventListener(framework::Event::CONTEXT3D_CREATE, runtime::Function::of([&](Value e) {
        ++announced;
        EXPECT_EQ(e.field("target").object(), stage3D);
    }));
    const auto from = mark();
    stage3D->requestContext3D("auto");
    EXPECT_TRUE(glCalls(from).empty());  // the constructor makes no GL call
    Ref<Context3D> first = stage3D->context3D;
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(announced, 1);
    // The view lies at the bottom of the stage with the stage's size as its rectangle.
    EXPECT_EQ(stage->getChildAt(0).get(), first->ogl.get());
    EXPECT_EQ(rectText(first->scrollRect), "0,0,960,540");
    EXPECT_EQ(rectText(first->ogl->get_scrollRect()), "0,0,960,540");
    EXPECT_NE(first->scrollRect.get(), first->ogl->get_scrollRect().get());
    EXPECT_FALSE(first->drawing);
    EXPECT_EQ(first->_yFlip, 1);
    ASSERT_EQ(first->samplerParameters->length(), 8);
    for (const Value& v : first->samplerParameters->items) {
        auto* s = v.as<framework::SamplerState>();
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->wrap, framework::Context3DWrapMode::CLAMP);
        EXPECT_EQ(s->filter, framework::Context3DTextureFilter::LINEAR);
        EXPECT_EQ(s->mipfilter, framework::Context3DMipFilter::MIPNONE);
    }
    // A second request replaces the context and keeps the first one's view.
    stage3D->requestContext3D();
    EXPECT_EQ(announced, 2);
    EXPECT_NE(stage3D->context3D, first);
    EXPECT_EQ(stage->getChildAt(0).get(), stage3D->context3D->ogl.get());
    EXPECT_EQ(stage->getChildAt(1).get(), first->ogl.get());
}

TEST_F(Context3DState, ClearStartsDrawingAndAppliesTheBlendState) {
    auto c = make<Context3D>();
    EXPECT_EQ(glCallsOf([&] { c->clear(); }),
              (Calls{"disable(3042)", "depth_mask(true)", "clear_color(0,0,0,1)", "clear_depth(1)", "clear_stencil(0)",
                     "clear(17664)"}));
    EXPECT_TRUE(c->drawing);
    EXPECT_EQ(glCallsOf([&] { c->clear(0.5, 0.25, 1, 0, 0.5, 3, framework::Context3DClearMask::COLOR); }),
              (Calls{"depth_mask(true)", "clear_color(0.5,0.25,1,0)", "clear_depth(0.5)", "clear_stencil(3)",
                     "clear(16384)"}));
    // Blend factors apply at once, and again at the first clear after each present.
    EXPECT_EQ(glCallsOf([&] { c->setBlendFactors(framework::GL::ONE, framework::GL::ONE_MINUS_SRC_ALPHA); }),
              (Calls{"enable(3042)", "blend_equation(32774)", "blend_func(1,771)"}));
    EXPECT_EQ(glCallsOf([&] { c->present(); }),
              (Calls{"use_program(null)", "bind_buffer(34962,null)", "disable(2884)"}));
    EXPECT_FALSE(c->drawing);
    EXPECT_EQ(glCallsOf([&] { c->clear(); }).front(), "enable(3042)");
}

TEST_F(Context3DState, CullingPicksGLFacesAndTheYFlip) {
    auto c = make<Context3D>();
    struct Case {
        int face;
        Calls calls;
        double yFlip;
    } cases[] = {
        {Context3DTriangleFace::FRONT, {"enable(2884)", "cull_face(1029)"}, -1},
        {Context3DTriangleFace::NONE, {"disable(2884)"}, 1},
        {Context3DTriangleFace::FRONT, {"enable(2884)", "cull_face(1029)"}, -1},
        {Context3DTriangleFace::BACK, {"enable(2884)", "cull_face(1028)"}, 1},
        {Context3DTriangleFace::FRONT_AND_BACK, {"enable(2884)", "cull_face(1032)"}, 1},
    };
    for (const auto& k : cases) {
        EXPECT_EQ(glCallsOf([&] { c->setCulling(k.face); }), k.calls) << k.face;
        EXPECT_EQ(c->_yFlip, k.yFlip) << k.face;
    }
    // An unknown face leaves culling on and the flip as it was.
    c->setCulling(Context3DTriangleFace::FRONT);
    std::string thrown;
    EXPECT_EQ(glCallsOf([&] { thrown = thrownText([&] { c->setCulling(7); }); }), (Calls{"enable(2884)"}));
    EXPECT_EQ(thrown, "Unknown Context3DTriangleFace type.");
    EXPECT_EQ(c->_yFlip, -1);
}

TEST_F(Context3DState, BackBufferAndRenderTargets) {
    auto c = make<Context3D>();
    EXPECT_EQ(glCallsOf([&] { c->configureBackBuffer(320, 200, 4); }),
              (Calls{"enable(2929)", "enable(2960)", "viewport(0,0,320,200)"}));
    EXPECT_EQ(rectText(c->scrollRect), "0,0,320,200");
    EXPECT_EQ(glCallsOf([&] { c->configureBackBuffer(100, 50, 0, false); }), (Calls{"viewport(0,0,100,50)"}));
    EXPECT_EQ(rectText(c->ogl->get_scrollRect()), "0,0,100,50");

    auto a = c->createTexture(64, 32, framework::Context3DTextureFormat::BGRA, false);
    auto b = c->createTexture(16, 8, std::nullopt, false);
    const int ta = a->glTexture->id.toInt(), tb = b->glTexture->id.toInt();
    const int fb = glName + 1, rb = glName + 2;
    const auto F = std::to_string(fb), R = std::to_string(rb);
    EXPECT_EQ(glCallsOf([&] { c->setRenderToTexture(a, true); }),
              (Calls{"create_framebuffer()", "bind_framebuffer(36160," + F + ")", "create_render_buffer()",
                     "bind_renderbuffer(36161," + R + ")",
                     "framebuffer_texture2D(36160,36064,3553," + std::to_string(ta) + ",0)",
                     "renderbuffer_storage(36161,34041,64,32)", "framebuffer_renderbuffer(36160,33306,36161," + R + ")",
                     "enable(2929)", "enable(2960)", "bind_texture(3553," + std::to_string(ta) + ")",
                     "tex_image_2d(3553,0,6408,64,32,0,6408,5121,null,null)", "tex_parameteri(3553,10240,9729)",
                     "tex_parameteri(3553,10241,9985)", "viewport(0,0,64,32)"}));
    // One framebuffer and one render buffer serve every texture.
    Calls second = glCallsOf([&] { c->setRenderToTexture(b); });
    EXPECT_EQ(second.front(), "bind_framebuffer(36160," + F + ")");
    EXPECT_EQ(second.at(1), "bind_renderbuffer(36161," + R + ")");
    EXPECT_EQ(second.at(3), "renderbuffer_storage(36161,34041,16,8)");
    EXPECT_EQ(second.at(5), "bind_texture(3553," + std::to_string(tb) + ")");  // no depth or stencil test asked
    EXPECT_EQ(second.back(), "viewport(0,0,16,8)");
    EXPECT_EQ(glCallsOf([&] { c->setRenderToBackBuffer(); }),
              (Calls{"disable(2929)", "disable(2960)", "disable(3089)", "bind_framebuffer(36160,null)",
                     "bind_renderbuffer(36161,null)", "viewport(0,0,100,50)"}));
    EXPECT_EQ(glCallsOf([&] { c->present(); }),
              (Calls{"use_program(null)", "bind_buffer(34962,null)", "disable(2884)", "bind_framebuffer(36160,null)",
                     "bind_renderbuffer(36161,null)"}));
    EXPECT_EQ(thrownText([&] { c->setRenderToTexture(nullptr); }), "Null texture for render to texture.");
}

TEST_F(Context3DState, StencilScissorDepthAndColourMask) {
    auto c = make<Context3D>();
    EXPECT_EQ(glCallsOf([&] { c->setStencilReferenceValue(5); }),
              (Calls{"stencil_func(0,5,255)", "stencil_mask(255)"}));
    EXPECT_EQ(glCallsOf([&] { c->setStencilReferenceValue(2, 15, 7); }),
              (Calls{"stencil_func(0,2,15)", "stencil_mask(7)"}));
    // The face is not consulted; the three operations go to GL in the order given.
    EXPECT_EQ(glCallsOf([&] { c->setStencilActions(Context3DTriangleFace::FRONT, 0x207, 0x1E00, 0x1E01, 0x1E02); }),
              (Calls{"stencil_op(7680,7681,7682)", "stencil_func(519,2,15)"}));
    EXPECT_EQ(c->stencilCompareMode, 0x207);
    EXPECT_EQ(glCallsOf([&] { c->setScissorRectangle(nullptr); }), (Calls{"disable(3089)"}));
    EXPECT_EQ(glCallsOf([&] { c->setScissorRectangle(make<Rectangle>(1.9, 2.5, 30.7, -4.2)); }),
              (Calls{"enable(3089)", "scissor(1,2,30,-4)"}));
    EXPECT_EQ(glCallsOf([&] { c->setDepthTest(false, 0x203); }), (Calls{"depth_func(515)", "depth_mask(false)"}));
    EXPECT_EQ(glCallsOf([&] { c->setColorMask(true, false, true, false); }),
              (Calls{"color_mask(true,false,true,false)"}));
}

TEST_F(Context3DState, RenderMethodGoesToTheView) {
    auto c = make<Context3D>();
    Value seen;
    c->setRenderMethod(runtime::Function::of([&](Value rect) { seen = rect; }));
    auto rect = make<Rectangle>(0, 0, 8, 4);
    ASSERT_NE(c->ogl->render, nullptr);
    (*c->ogl->render)(Value(rect));
    EXPECT_EQ(seen.object(), rect.get());
    c->removeRenderMethod(runtime::Function::of([] {}));
    EXPECT_EQ(c->ogl->render, nullptr);
    auto bitmap = make<framework::BitmapData>(0, 0);
    EXPECT_TRUE(glCallsOf([&] { c->drawToBitmapData(bitmap); }).empty());
}

TEST_F(Context3DState, DisposeReleasesWhatTheContextMade) {
    auto c = make<Context3D>();
    auto texture = c->createTexture(4, 4, std::nullopt, false);
    auto cube = c->createCubeTexture(4, std::nullopt, false);
    auto rectangle = c->createRectangleTexture(4, 2, std::nullopt, false);
    auto program = c->createProgram();
    auto vertices = c->createVertexBuffer(3, 2);
    auto indices = c->createIndexBuffer(3);
    EXPECT_EQ(c->texturesCreated->length(), 3);
    EXPECT_EQ(vertices->numVertices, 3);
    EXPECT_EQ(vertices->data32PerVertex, 2);
    EXPECT_EQ(indices->numIndices, 3);
    c->setRenderToTexture(texture);
    const auto name = [](const auto& handle) { return handle->id.toText(); };
    Calls expected{"delete_buffer(" + name(vertices->glBuffer) + ")", "delete_buffer(" + name(indices->glBuffer) + ")",
                   "delete_program(" + name(program->glProgram) + ")",
                   "delete_texture(" + name(texture->glTexture) + ")", "delete_texture(" + name(cube->glTexture) + ")",
                   "delete_texture(" + name(rectangle->glTexture) + ")",
                   "delete_framebuffer(" + name(c->framebuffer) + ")",
                   "delete_render_buffer(" + name(c->renderbuffer) + ")"};
    EXPECT_EQ(glCallsOf([&] { c->dispose(); }), expected);
    EXPECT_TRUE(c->disposed);
    EXPECT_FALSE(vertices->glBuffer->isValid());
    EXPECT_EQ(c->texturesCreated, nullptr);
    EXPECT_EQ(c->samplerParameters, nullptr);
    EXPECT_EQ(c->framebuffer, nullptr);
    EXPECT_EQ(stage->getChildAt(0).get(), c->ogl.get());
    // Afterwards: a second dispose does nothing, creation is refused, sampler states are gone.
    EXPECT_TRUE(glCallsOf([&] { c->dispose(); }).empty());
    EXPECT_EQ(thrownText([&] { c->createTexture(4, 4, std::nullopt, false); }), "Context3D has been disposed.");
    EXPECT_EQ(thrownText([&] { c->createVertexBuffer(3, 2); }), "Context3D has been disposed.");
    EXPECT_EQ(thrownText([&] {
                  c->setSamplerStateAt(0, framework::Context3DWrapMode::REPEAT, std::nullopt, std::nullopt);
              }),
              "(nothing thrown)");
}

TEST_F(Context3DState, EnumerationsAndConstants) {
    const auto& wrap = runtime::EnumTraits<framework::Context3DWrapMode>::info();
    const auto& format = runtime::EnumTraits<framework::Context3DVertexBufferFormat>::info();
    const auto& filter = runtime::EnumTraits<framework::Context3DTextureFilter>::info();
    const auto& mip = runtime::EnumTraits<framework::Context3DMipFilter>::info();
    const auto& type = runtime::EnumTraits<framework::Context3DProgramType>::info();
    const auto& textureFormat = runtime::EnumTraits<framework::Context3DTextureFormat>::info();
    EXPECT_EQ(wrap.names(), (std::vector<std::string>{"CLAMP", "REPEAT"}));
    EXPECT_EQ(format.names(), (std::vector<std::string>{"BYTES_4", "FLOAT_1", "FLOAT_2", "FLOAT_3", "FLOAT_4"}));
    EXPECT_EQ(filter.names(), (std::vector<std::string>{"ANISOTROPIC2X", "ANISOTROPIC4X", "ANISOTROPIC8X",
                                                        "ANISOTROPIC16X", "LINEAR", "NEAREST"}));
    EXPECT_EQ(mip.names(), (std::vector<std::string>{"MIPLINEAR", "MIPNEAREST", "MIPNONE"}));
    EXPECT_EQ(type.names(), (std::vector<std::string>{"VERTEX", "FRAGMENT"}));
    EXPECT_EQ(textureFormat.names(), (std::vector<std::string>{"BGRA", "COMPRESSED", "COMPRESSED_ALPHA"}));
    EXPECT_EQ(runtime::EnumInfo::find("framework._native.display3D.Context3DMipFilter"), &mip);

    // Triangle faces are plain integers with GL's front and back exchanged.
    EXPECT_EQ(Context3DTriangleFace::BACK, framework::GL::FRONT);
    EXPECT_EQ(Context3DTriangleFace::FRONT, framework::GL::BACK);
    EXPECT_EQ(Context3DTriangleFace::fromInt(1029), 1029);
    const auto& faces = Context3DTriangleFace::staticClass();
    EXPECT_EQ(faces.findStatic("BACK")->read(nullptr, true).toInt(), 1028);
    EXPECT_EQ(faces.findStatic("NONE")->read(nullptr, true).toInt(), 0);
    const auto& masks = framework::Context3DClearMask::staticClass();
    EXPECT_EQ(masks.findStatic("ALL")->read(nullptr, true).toInt(), 0x4500);
    EXPECT_EQ(framework::Context3DClearMask::ALL, framework::Context3DClearMask::COLOR |
                                                      framework::Context3DClearMask::DEPTH |
                                                      framework::Context3DClearMask::STENCIL);
    const auto& context = Context3D::staticClass();
    EXPECT_EQ(context.findStatic("MAX_SAMPLERS")->read(nullptr, true).toInt(), 8);
    EXPECT_EQ(context.findStatic("TEXTURE_MAX_ANISOTROPY_EXT")->read(nullptr, true).toInt(), 0x84FE);
    EXPECT_EQ(context.findStatic("maxSupportedAnisotropy")->read(nullptr, true).toInt(), 256);

    auto fresh = make<framework::SamplerState>();
    EXPECT_FALSE(fresh->wrap || fresh->filter || fresh->mipfilter);
    EXPECT_TRUE(Value(fresh).field("wrap").isNull());
}
