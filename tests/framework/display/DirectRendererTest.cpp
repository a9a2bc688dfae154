#include "DisplayFixture.h"
#include "framework/display/DirectRenderer.h"

using framework::DirectRenderer;
using runtime::make;
using runtime::Ref;
using runtime::Value;

using DirectRender = DisplayFixture;

TEST_F(DirectRender, RegistersItsCallbackOnlyWhileOnTheStage) {
    auto& fake = media::FakeMediaModule::get();
    fake.on("media_native_direct_renderer_create", [this](const std::vector<Value>&) {
        auto h = make<runtime::DynamicObject>();
        h->setField("id", Value(++nextId));
        return Value(h);
    });
    auto stage = makeStage();
    auto view = make<DirectRenderer>();
    EXPECT_EQ(view->get_name().str(), "DirectRenderer " + std::to_string(view->id_));
    std::vector<std::string> rects;
    view->render = runtime::Function::of([&rects](Value r) {
        rects.push_back(r.field("x").toText() + "," + r.field("y").toText() + "," + r.field("width").toText() + "," +
                        r.field("height").toText());
    });
    EXPECT_EQ(fake.count("media_native_direct_renderer_set"), 0);
    stage->addChild(view);
    auto set = fake.callsTo("media_native_direct_renderer_set");
    ASSERT_EQ(set.size(), 1u);
    // The back end calls back with any record that has the fields; missing ones read as 0.
    auto partial = make<runtime::DynamicObject>();
    partial->setField("x", Value(10));
    partial->setField("y", Value(20));
    (*set[0].args[1].function())(Value(partial));
    EXPECT_EQ(rects, std::vector<std::string>{"10,20,0,0"});
    view->render = nullptr;
    (*set[0].args[1].function())(Value(partial));
    EXPECT_EQ(rects.size(), 1u);
    stage->removeChild(view);
    set = fake.callsTo("media_native_direct_renderer_set");
    ASSERT_EQ(set.size(), 2u);
    EXPECT_TRUE(set[1].args[1].isNull());
    // After dispose, leaving the stage no longer clears the callback.
    stage->addChild(view);
    view->dispose();
    stage->removeChild(view);
    EXPECT_EQ(fake.count("media_native_direct_renderer_set"), 3);
    EXPECT_EQ(make<DirectRenderer>("OpenGLView")->get_name().str().substr(0, 10), "OpenGLView");
}
