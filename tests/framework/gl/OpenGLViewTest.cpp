#include "../display/DisplayFixture.h"
#include "framework/display/OpenGLView.h"

using framework::OpenGLView;
using runtime::make;
using runtime::Value;

namespace {

class GLView : public DisplayFixture {
protected:
    void SetUp() override {
        DisplayFixture::SetUp();
        media::FakeMediaModule::get().on("media_native_direct_renderer_create", [this](const std::vector<Value>&) {
            auto h = make<runtime::DynamicObject>();
            h->setField("id", Value(++nextId));
            return Value(h);
        });
    }
    // The render hook the view handed to the back end last (null when withdrawn or never set).
    static Value hook() {
        auto set = media::FakeMediaModule::get().callsTo("media_native_direct_renderer_set");
        return set.empty() ? Value() : set.back().args[1];
    }
    static void deliver(const runtime::Ref<framework::Stage>& stage, int type) {
        auto record = make<runtime::DynamicObject>();
        record->setField("type", Value(type));
        stage->processStageEvent_(Value(record));
    }
};

}  // namespace

TEST_F(GLView, IsADirectRendererNamedOpenGLView) {
    int before = media::FakeMediaModule::get().calls().size();
    EXPECT_TRUE(OpenGLView::get_isSupported());
    EXPECT_TRUE(OpenGLView::staticClass().findStatic("isSupported")->read(nullptr, true).toBool());
    EXPECT_EQ(static_cast<int>(media::FakeMediaModule::get().calls().size()), before);
    EXPECT_EQ(OpenGLView::CONTEXT_LOST.str(), "glcontextlost");
    EXPECT_EQ(OpenGLView::CONTEXT_RESTORED.str(), "glcontextrestored");
    auto view = make<OpenGLView>();
    EXPECT_EQ(view->get_name().str(), "OpenGLView " + std::to_string(view->id_));
}

TEST_F(GLView, RendersOnlyWhileOnTheStage) {
    auto stage = makeStage();
    auto view = make<OpenGLView>();
    std::vector<std::string> areas;
    view->render = runtime::Function::of([&areas](Value r) {
        areas.push_back(r.field("width").toText() + "x" + r.field("height").toText());
    });
    EXPECT_TRUE(hook().isNull());
    stage->addChild(view);
    Value onStage = hook();
    ASSERT_TRUE(onStage.isFunction());
    auto rect = make<runtime::DynamicObject>();
    rect->setField("x", Value(0));
    rect->setField("y", Value(0));
    rect->setField("width", Value(640));
    rect->setField("height", Value(480));
    (*onStage.function())(Value(rect));
    EXPECT_EQ(areas, std::vector<std::string>{"640x480"});
    stage->removeChild(view);
    EXPECT_TRUE(hook().isNull());
}

TEST_F(GLView, HearsContextLossAndRestoreOnlyOnTheStage) {
    auto stage = makeStage();
    auto holder = make<framework::Sprite>();
    auto inside = make<OpenGLView>();
    auto outside = make<OpenGLView>();
    holder->addChild(inside);
    stage->addChild(holder);
    std::vector<std::string> heard;
    auto listen = [&heard](const runtime::Ref<OpenGLView>& view, const std::string& who) {
        for (const runtime::String& type : {OpenGLView::CONTEXT_LOST, OpenGLView::CONTEXT_RESTORED})
            view->addEventListener(type, runtime::Function::of([&heard, who](Value e) {
                heard.push_back(who + " " + e.field("type").toText() + (e.field("bubbles").toBool() ? " bubbles" : ""));
            }));
    };
    listen(inside, "inside");
    listen(outside, "outside");
    std::vector<std::string> onStage;
    stage->addEventListener(OpenGLView::CONTEXT_LOST,
                            runtime::Function::of([&onStage](Value e) { onStage.push_back(e.field("type").toText()); }));
    deliver(stage, 32);
    deliver(stage, 33);
    EXPECT_EQ(heard, (std::vector<std::string>{"inside glcontextlost", "inside glcontextrestored"}));
    EXPECT_EQ(onStage, std::vector<std::string>{"glcontextlost"});
}
