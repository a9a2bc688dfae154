#include "DisplayFixture.h"
#include "framework/errors/ArgumentError.h"
#include "framework/errors/RangeError.h"
#include "framework/events/Event.h"
#include "framework/geom/Transform.h"

using framework::DisplayObject;
using framework::Event;
using framework::Shape;
using framework::Sprite;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {
std::string thrownText(const std::function<void()>& f) {
    try {
        f();
    } catch (const runtime::Thrown& t) {
        if (auto* e = t.value().as<framework::Error>()) return e->classInfo()->shortName() + ":" + e->message.toText();
        return t.value().toText();
    }
    return "(nothing thrown)";
}

class Named : public Sprite {
    RUNTIME_CLASS(Named)
public:
    Named() : Sprite("Named") {}
};
}  // namespace

RUNTIME_DEFINE_CLASS(Named, "tests.display.Named", framework::Sprite, (auto& b) {})

using Display = DisplayFixture;

TEST_F(Display, NodesAreNamedAfterTheirMostDerivedTypeAndId) {
    auto shape = make<Shape>();
    EXPECT_EQ(shape->get_name().str(), "Shape " + std::to_string(shape->id_));
    auto named = make<Named>();
    EXPECT_EQ(named->get_name().str(), "Named " + std::to_string(named->id_));
    EXPECT_EQ(named->getType_().str(), "Named");
    auto clip = make<framework::MovieClip>();
    EXPECT_EQ(clip->getType_().str(), "MovieClip");
    EXPECT_TRUE(named->get_mouseEnabled());
    EXPECT_FALSE(named->doubleClickEnabled);
    EXPECT_FALSE(named->buttonMode);
    EXPECT_TRUE(named->useHandCursor);
}

TEST_F(Display, FiredEventsRunCaptureTargetAndBubblePhasesThroughInteractiveAncestors) {
    auto stage = makeStage();
    auto outer = make<Sprite>(), middle = make<Sprite>(), inner = make<Sprite>();
    auto shape = make<Shape>();
    stage->addChild(outer);
    outer->addChild(middle);
    middle->addChild(inner);
    inner->addChild(shape);
    std::vector<std::string> log;
    struct Node {
        Ref<DisplayObject> obj;
        std::string name;
    } nodes[] = {{stage, "stage"}, {outer, "outer"}, {middle, "middle"}, {inner, "inner"}, {shape, "shape"}};
    std::string stopAt;
    for (auto& n : nodes) {
        for (bool capture : {true, false}) {
            std::string label = n.name + (capture ? ":capture" : ":bubble");
            n.obj->addEventListener("click", runtime::Function::of([&log, &stopAt, label](Value ev) {
                log.push_back(label);
                if (label == stopAt) ev.as<Event>()->stopPropagation();
            }), capture);
        }
    }
    struct Case {
        std::string stopAt;
        std::vector<std::string> expected;
    };
    // At the target only non-capture listeners run (the target's own capture listener never does).
    Case cases[] = {
        {"", {"stage:capture", "outer:capture", "middle:capture", "inner:capture", "shape:bubble",
              "inner:bubble", "middle:bubble", "outer:bubble", "stage:bubble"}},
        {"stage:capture", {"stage:capture"}},
        {"shape:bubble", {"stage:capture", "outer:capture", "middle:capture", "inner:capture", "shape:bubble"}},
        {"middle:bubble", {"stage:capture", "outer:capture", "middle:capture", "inner:capture",
                           "shape:bubble", "inner:bubble", "middle:bubble"}},
    };
    for (const Case& c : cases) {
        log.clear();
        stopAt = c.stopAt;
        shape->fireEvent_(make<Event>("click", true, true));
        EXPECT_EQ(log, c.expected) << "stop at " << c.stopAt;
    }
    // Stop requests do nothing on a non-cancelable event.
    log.clear();
    stopAt = "stage:capture";
    shape->fireEvent_(make<Event>("click", true, false));
    EXPECT_EQ(log.size(), 9u);
    stage->removeChildren();
}

TEST_F(Display, MovingAChildGivesNativeCallsAndEventsInOrder) {
    auto stage = makeStage();
    auto a = make<Sprite>(), b = make<Sprite>();
    auto child = make<Shape>();
    stage->addChild(a);
    a->addChild(child);
    auto offStage = make<Sprite>();
    std::vector<std::string> log;
    for (auto type : {"added", "addedToStage", "removed", "removedFromStage"}) {
        child->addEventListener(type, runtime::Function::of([&log, type, &a](Value) {
            log.push_back(std::string(type) + " numChildren(a)=" + std::to_string(a->get_numChildren()));
        }));
    }
    std::size_t m = mark();
    offStage->addChild(child);
    EXPECT_EQ(log, (std::vector<std::string>{"removed numChildren(a)=0", "removedFromStage numChildren(a)=0",
                                             "added numChildren(a)=0"}));
    EXPECT_EQ(calls(m), (std::vector<std::string>{"doc_remove_child", "doc_add_child"}));
    log.clear();
    stage->addChild(b);
    b->addChild(child);
    EXPECT_EQ(log, (std::vector<std::string>{"removed numChildren(a)=0", "added numChildren(a)=0",
                                             "addedToStage numChildren(a)=0"}));
    // Re-adding the last child only moves it natively; no events.
    log.clear();
    m = mark();
    b->addChild(child);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(calls(m), (std::vector<std::string>{"doc_set_child_index"}));
    stage->removeChildren();
}

TEST_F(Display, ContainerErrorsAndWhatStaysChanged) {
    auto box = make<Sprite>();
    auto c1 = make<Shape>(), c2 = make<Shape>(), c3 = make<Shape>(), extra = make<Shape>();
    box->addChild(c1);
    box->addChild(c2);
    box->addChild(c3);
    EXPECT_EQ(thrownText([&] { box->addChild(box); }), "Adding to self");
    EXPECT_EQ(thrownText([&] { box->setChildIndex(c1, 3); }), "Invalid index position 3");
    EXPECT_EQ(thrownText([&] { box->setChildIndex(extra, 0); }),
              "setChildIndex : object " + extra->toString() + " not found.");
    EXPECT_EQ(thrownText([&] { box->swapChildren(c1, extra); }), "swapChildren:Could not find children");
    EXPECT_EQ(thrownText([&] { box->swapChildrenAt(0, 3); }), "RangeError:swapChildrenAt : index out of bounds");
    EXPECT_EQ(thrownText([&] { box->getChildAt(-1); }), "RangeError:getChildAt : index out of bounds -1/3");
    EXPECT_EQ(thrownText([&] { box->removeChildAt(3); }),
              "ArgumentError:The supplied DisplayObject must be a child of the caller.");
    EXPECT_EQ(thrownText([&] { box->removeChildren(0, 3); }), "RangeError:The supplied index is out of bounds.");
    EXPECT_EQ(box->get_numChildren(), 3);
    // addChildAt with a bad index keeps the child, added last.
    EXPECT_EQ(thrownText([&] { box->addChildAt(extra, 5); }), "Invalid index position 5");
    EXPECT_EQ(box->getChildIndex(extra), 3);
    EXPECT_EQ(box->removeChild(make<Shape>()), nullptr);
    box->removeChildren(5);  // beyond the end: nothing, no error
    box->removeChildren(1);
    EXPECT_EQ(box->get_numChildren(), 1);
    EXPECT_EQ(box->getChildAt(0), Ref<DisplayObject>(c1));
    std::size_t m = mark();
    box->addChild(c2);
    box->swapChildrenAt(1, 1);
    EXPECT_EQ(calls(m), (std::vector<std::string>{"doc_add_child"}));
    box->addChildAt(c3, 0);
    EXPECT_EQ(box->getChildAt(0), Ref<DisplayObject>(c3));
    EXPECT_EQ(box->getChildAt(2), Ref<DisplayObject>(c2));
    EXPECT_TRUE(box->contains(box));
    EXPECT_FALSE(box->contains(nullptr));
    EXPECT_FALSE(box->get_tabChildren());
    EXPECT_FALSE(box->set_tabChildren(true));
}

TEST_F(Display, BroadcastReachesChildrenBeforeContainersAndSurvivesSelfRemoval) {
    auto stage = makeStage();
    auto parent = make<Sprite>();
    auto first = make<Shape>(), second = make<Shape>(), third = make<Shape>();
    stage->addChild(parent);
    for (const Ref<Shape>& c : {first, second, third}) parent->addChild(c);
    std::vector<std::string> log;
    auto listen = [&log](const Ref<DisplayObject>& o, const std::string& name, bool removeSelf) {
        DisplayObject* raw = o.get();
        o->addEventListener("enterFrame", runtime::Function::of([&log, name, removeSelf, raw](Value) {
            log.push_back(name);
            if (removeSelf) raw->get_parent()->removeChild(Ref<DisplayObject>(raw));
        }));
    };
    listen(first, "first", true);
    listen(second, "second", false);
    listen(third, "third", false);
    listen(parent, "parent", false);
    listen(stage, "stage", false);
    stage->broadcast_(make<Event>("enterFrame"));
    EXPECT_EQ(log, (std::vector<std::string>{"first", "second", "third", "parent", "stage"}));
    stage->removeChildren();
}

TEST_F(Display, ByNameAccessRunsSettersAndFollowsTheFieldRules) {
    auto sprite = make<Sprite>();
    Value v(sprite);
    std::size_t m = mark();
    v.setField("alpha", Value(0.5));
    auto setAlpha = media::FakeMediaModule::get().callsTo("media_native_display_object_set_alpha");
    ASSERT_EQ(setAlpha.size(), 1u);
    EXPECT_EQ(setAlpha[0].args[1].toFloat(), 0.5);
    EXPECT_EQ(calls(m), (std::vector<std::string>{"display_object_set_alpha"}));
    // Read-only names keep writes in storage of their own.
    v.setField("mouseX", Value(12));
    EXPECT_EQ(v.field("mouseX", false).toInt(), 12);
    EXPECT_THROW(v.setField("score", Value(5)), runtime::Thrown);
    auto clip = make<framework::MovieClip>();
    Value(clip).setField("score", Value(5));
    EXPECT_EQ(Value(clip).field("score").toInt(), 5);
    Value(clip).setField("currentFrame", Value(9));
    EXPECT_EQ(clip->get_currentFrame(), 0);
    clip->gotoAndStop(Value(5));
    EXPECT_EQ(clip->get_currentFrame(), 0);
    EXPECT_EQ(clip->get_currentLabels(), clip->get_currentLabels());
    auto names = sprite->fieldNames();
    ASSERT_GE(names.size(), 5u);
    EXPECT_EQ(names[0], "buttonMode");
}

TEST_F(Display, CopiedValuesAtTheBoundary) {
    auto shape = make<Shape>();
    auto rect = make<framework::Rectangle>(1, 2, 3, 4);
    shape->set_scrollRect(rect);
    rect->x = 99;
    Ref<framework::Rectangle> back = shape->get_scrollRect();
    EXPECT_EQ(back->x, 1);
    EXPECT_NE(back.get(), shape->get_scrollRect().get());
    auto filters = make<runtime::Array>();
    filters->push(Value(make<framework::BitmapFilter>("blur")));
    filters->push(Value());
    shape->set_filters(filters);
    EXPECT_EQ(shape->get_filters()->length(), 1);
    auto sent = media::FakeMediaModule::get().callsTo("media_native_display_object_set_filters");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].args[1].as<runtime::Array>()->length(), 1);
    shape->set_filters(nullptr);
    EXPECT_EQ(shape->get_filters()->length(), 0);
    media::FakeMediaModule::get().returns("media_native_display_object_get_bg", Value(0x01FF0000));
    EXPECT_EQ(shape->get_opaqueBackground().toInt(), 0xFF0000);
    media::FakeMediaModule::get().returns("media_native_display_object_get_bg", Value(0xFF0000));
    EXPECT_TRUE(shape->get_opaqueBackground().isNull());
    shape->set_blendMode(framework::BlendMode::ADD);
    EXPECT_EQ(media::FakeMediaModule::get().callsTo("media_native_display_object_set_blend_mode")[0].args[1].toInt(), 7);
    media::FakeMediaModule::get().returns("media_native_display_object_get_blend_mode", Value(13));
    EXPECT_EQ(shape->get_blendMode(), framework::BlendMode::HARDLIGHT);
    EXPECT_EQ(shape->get_graphics(), shape->get_graphics());
    EXPECT_EQ(media::FakeMediaModule::get().count("media_native_display_object_get_graphics"), 1);
}

TEST_F(Display, TransformMatrixAndMatrix3D) {
    auto shape = make<Shape>();
    auto t = shape->get_transform();
    auto raw = make<runtime::Array>();
    for (int i = 1; i <= 16; ++i) raw->push(Value(static_cast<double>(i)));
    t->set_matrix3D(make<framework::Matrix3D>(raw));
    auto sent = media::FakeMediaModule::get().callsTo("media_native_display_object_set_matrix");
    ASSERT_EQ(sent.size(), 1u);
    const Value& m = sent[0].args[1];
    EXPECT_EQ(m.field("a").toFloat(), 1);
    EXPECT_EQ(m.field("b").toFloat(), 2);
    EXPECT_EQ(m.field("c").toFloat(), 5);
    EXPECT_EQ(m.field("d").toFloat(), 6);
    EXPECT_EQ(m.field("tx").toFloat(), 13);
    EXPECT_EQ(m.field("ty").toFloat(), 14);
    EXPECT_FALSE(t->get_matrix());
    t->set_matrix(nullptr);
    EXPECT_EQ(media::FakeMediaModule::get().count("media_native_display_object_set_matrix"), 1);
}

TEST_F(Display, RootAndStageFollowTheStageTree) {
    auto box = make<Sprite>();
    auto child = make<Shape>();
    box->addChild(child);
    EXPECT_FALSE(child->get_stage());
    EXPECT_FALSE(child->get_root());
    auto stage = makeStage();
    framework::Lib::setCurrentStage_(stage);
    stage->addChild(box);
    EXPECT_EQ(child->get_stage(), stage);
    EXPECT_EQ(child->get_root(), Ref<DisplayObject>(framework::Lib::get_current()));
    EXPECT_EQ(framework::Lib::get_current()->get_parent(), Ref<framework::DisplayObjectContainer>(stage));
    stage->removeChildren();
    framework::Lib::setCurrentStage_(nullptr);
}

TEST_F(Display, PrimitiveSlotsAreReadableAndReplaceableByName) {
    auto shape = make<Shape>();  // slots are filled when the class is first used
    const runtime::Member* slot = framework::DisplayObject::staticClass().findStatic("media_display_object_set_x");
    ASSERT_NE(slot, nullptr);
    Value original = slot->read(nullptr, true);
    ASSERT_TRUE(original.isFunction());
    std::vector<double> seen;
    slot->write(nullptr, Value(runtime::Function::of([&seen](Value, double x) { seen.push_back(x); })), true);
    shape->set_x(4);
    slot->write(nullptr, original, true);
    shape->set_x(5);
    EXPECT_EQ(seen, std::vector<double>{4});
    EXPECT_EQ(media::FakeMediaModule::get().callsTo("media_native_display_object_set_x").size(), 1u);
}
