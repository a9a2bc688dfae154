#pragma once
// A 960 × 540 stage over the fake back end, current for the 3D context, whose GL primitives
// answer new object names counting up from 1 and uniform locations that are the uniform names
// themselves, so that each uniform call shows what it sets. GL calls read as "suffix(a,b)".
#include <string>
#include <vector>

#include "../display/DisplayFixture.h"
#include "framework/display3D/Context3D.h"
#include "framework/gl/GL.h"

class Context3DFixture : public DisplayFixture {
protected:
    void SetUp() override {
        DisplayFixture::SetUp();
        framework::GL::initClass();
        auto& fake = media::FakeMediaModule::get();
        fake.returns("media_native_stage_get_stage_width", runtime::Value(960));
        fake.returns("media_native_stage_get_stage_height", runtime::Value(540));
        fake.on("media_native_direct_renderer_create", [this](const std::vector<runtime::Value>&) {
            auto h = runtime::make<runtime::DynamicObject>();
            h->setField("id", runtime::Value(++nextId));
            return runtime::Value(h);
        });
        for (const char* create : {"buffer", "texture", "program", "framebuffer", "render_buffer", "shader"})
            fake.on(std::string("media_native_gl_create_") + create,
                    [this](const std::vector<runtime::Value>&) { return runtime::Value(++glName); });
        fake.on("media_native_gl_get_uniform_location", [](const std::vector<runtime::Value>& a) { return a[1]; });
        stage = makeStage();
        framework::Lib::setCurrentStage_(stage);
        stage->addChild(framework::Lib::get_current());
        framework::Context3D::anisotropySupportTested = false;
        framework::Context3D::supportsAnisotropy = false;
        framework::Context3D::maxSupportedAnisotropy = 256;
    }
    void TearDown() override {
        stage->removeChildren();
        framework::Lib::setCurrentStage_(nullptr);
    }

    // The GL calls recorded from index `from`.
    static std::vector<std::string> glCalls(std::size_t from = 0) {
        std::vector<std::string> out;
        const auto& all = media::FakeMediaModule::get().calls();
        const std::string prefix = "media_native_gl_";
        for (std::size_t i = from; i < all.size(); ++i) {
            if (all[i].name.rfind(prefix, 0) != 0 || all[i].name == prefix + "version") continue;
            std::string call = all[i].name.substr(prefix.size()) + "(";
            for (std::size_t a = 0; a < all[i].args.size(); ++a)
                call += (a ? "," : "") + (all[i].args[a].as<runtime::Bytes>() ? "bytes" : all[i].args[a].toText());
            out.push_back(call + ")");
        }
        return out;
    }
    // The GL calls that `action` makes.
    template <class F>
    std::vector<std::string> glCallsOf(F action) {
        std::size_t from = mark();
        action();
        return glCalls(from);
    }

    runtime::Ref<framework::Stage> stage;
    int glName = 0;
};
