// The stage's input translation against recorded native records: pointer, hover, clicks,
// wheel, dragging, touch, keys, focus and controllers.
#include <map>

#include "DisplayFixture.h"
#include "framework/events/FocusEvent.h"
#include "framework/events/JoystickEvent.h"
#include "framework/events/KeyboardEvent.h"
#include "framework/events/MouseEvent.h"
#include "framework/events/TouchEvent.h"
#include "framework/ui/Mouse.h"

using namespace framework;
using runtime::make;
using runtime::Ref;
using runtime::Value;
using F = media::RecordField;

namespace {

class StageInput : public DisplayFixture {
protected:
    void SetUp() override {
        DisplayFixture::SetUp();
        auto& fake = media::FakeMediaModule::get();
        fake.on("media_native_time_stamp", [this](const std::vector<Value>&) { return Value(now); });
        // Local coordinates: the stage point less the node's origin ("ox", "oy" on the handle).
        fake.on("media_native_display_object_global_to_local", [](const std::vector<Value>& a) {
            a[1].setField("x", Value(a[1].field("x").toFloat() - a[0].field("ox").toFloat()));
            a[1].setField("y", Value(a[1].field("y").toFloat() - a[0].field("oy").toFloat()));
            return Value();
        });
        fake.on("media_native_stage_get_display_state", [this](const std::vector<Value>&) { return Value(displayState); });
        fake.on("media_native_stage_set_display_state", [this](const std::vector<Value>& a) {
            displayState = a[1].toInt();
            return Value();
        });
        stage = makeStage();
        c = make<Sprite>();
        a = make<Sprite>();
        b = make<Sprite>();
        stage->addChild(c);
        c->addChild(a);
        c->addChild(b);
        a->handle_.setField("ox", Value(100));
        a->handle_.setField("oy", Value(100));
        names = {{stage.get(), "stage"}, {c.get(), "C"}, {a.get(), "A"}, {b.get(), "B"}};
        now = 10;
    }
    void TearDown() override { stage->removeChildren(); }

    std::string label(const Ref<runtime::Object>& o) const {
        auto it = names.find(o.get());
        return it == names.end() ? (o ? "?" : "null") : it->second;
    }

    // Logs "<listener>:<type>" (plus "/<related>" for hover events) on every named object.
    void listen(std::initializer_list<const char*> types) {
        for (auto& [obj, name] : names) {
            auto* target = static_cast<DisplayObject*>(obj);
            for (const char* t : types)
                target->addEventListener(t, runtime::Function::of([this, name = name](Value v) {
                    auto e = Ref<Event>(v.as<Event>());
                    std::string entry = name + ":" + e->get_type().toText();
                    if (auto m = e.cast<MouseEvent>(); m && m->relatedObject) entry += "/" + label(m->relatedObject);
                    if (auto f = e.cast<FocusEvent>(); f && f->relatedObject) entry += "/" + label(f->relatedObject);
                    log.push_back(entry);
                    last = e;
                }));
        }
    }

    Value send(int type, const DisplayObject* target, double x = 0, double y = 0, int value = 0, int flags = 0,
               int code = 0) {
        Value r = media::FakeMediaModule::record(static_cast<media::RecordType>(type),
                                                 {{F::id, target ? target->id_ : 0}, {F::x, x}, {F::y, y},
                                                  {F::value, value}, {F::flags, flags}, {F::code, code}, {F::result, 0}});
        stage->doProcessStageEvent_(r);
        return r;
    }

    std::vector<std::string> take() { return std::exchange(log, {}); }

    double now = 0;
    int displayState = 0;
    Ref<Stage> stage;
    Ref<Sprite> c, a, b;
    std::map<runtime::Object*, std::string> names;
    std::vector<std::string> log;
    Ref<Event> last;
};

using V = std::vector<std::string>;

TEST_F(StageInput, PressAndReleaseOnOneObjectClickAndBubble) {
    listen({"mouseDown", "mouseUp", "click"});
    send(Stage::etMouseDown, a.get(), 120, 130, 0, Stage::efLeftDown);
    send(Stage::etMouseUp, a.get(), 120, 130, 0);
    EXPECT_EQ(take(), (V{"A:mouseDown", "C:mouseDown", "stage:mouseDown", "A:mouseUp", "C:mouseUp", "stage:mouseUp",
                         "A:click", "C:click", "stage:click"}));
    auto m = last.cast<MouseEvent>();
    EXPECT_EQ(label(m->get_target()), "A");
    EXPECT_EQ(m->localX, 20);
    EXPECT_EQ(m->localY, 30);
    EXPECT_EQ(m->stageX, 120);

    // Release over another object: up there, no click; the press memory is cleared.
    send(Stage::etMouseDown, a.get(), 120, 130, 0);
    send(Stage::etMouseUp, b.get(), 5, 5, 0);
    EXPECT_EQ(take(), (V{"A:mouseDown", "C:mouseDown", "stage:mouseDown", "B:mouseUp", "C:mouseUp", "stage:mouseUp"}));
    EXPECT_EQ(stage->lastDown_[0].get(), nullptr);

    // Middle and right buttons have their own names; buttons above 2 are ignored on down.
    listen({"rightMouseDown", "rightMouseUp", "rightClick", "middleClick"});
    send(Stage::etMouseDown, b.get(), 0, 0, 2);
    send(Stage::etMouseUp, b.get(), 0, 0, 2);
    send(Stage::etMouseDown, b.get(), 0, 0, 1);
    send(Stage::etMouseUp, b.get(), 0, 0, 1);
    send(Stage::etMouseDown, b.get(), 0, 0, 7);
    EXPECT_EQ(take(), (V{"B:rightMouseDown", "C:rightMouseDown", "stage:rightMouseDown", "B:rightMouseUp",
                         "C:rightMouseUp", "stage:rightMouseUp", "B:rightClick", "C:rightClick",
                         "stage:rightClick", "B:middleClick", "C:middleClick", "stage:middleClick"}));

    // Press and release naming nothing: no down or up event, but a click on the stage.
    send(Stage::etMouseDown, nullptr, 1, 1, 0);
    send(Stage::etMouseUp, nullptr, 1, 1, 0);
    EXPECT_EQ(take(), (V{"stage:click"}));
}

TEST_F(StageInput, HoverEventsBetweenSiblingsInOrder) {
    listen({"mouseOut", "mouseOver", "rollOut", "rollOver", "mouseMove"});
    send(Stage::etMouseMove, stage.get(), 1, 1);
    EXPECT_EQ(take(), (V{"stage:mouseOver/stage", "stage:rollOver", "stage:mouseMove"}));
    // From the stage onto A: roll overs on A, then C, not on the stage.
    send(Stage::etMouseMove, a.get(), 101, 101);
    EXPECT_EQ(take(), (V{"stage:mouseOut/A", "A:mouseOver/A", "C:mouseOver/A", "stage:mouseOver/A", "A:rollOver/stage",
                         "C:rollOver/stage", "A:mouseMove", "C:mouseMove", "stage:mouseMove"}));
    // Within A nothing changes.
    send(Stage::etMouseMove, a.get(), 102, 101);
    EXPECT_EQ(take(), (V{"A:mouseMove", "C:mouseMove", "stage:mouseMove"}));
    // A to its sibling B: out on A, over on B (both bubble), roll out on A only, roll over on B only.
    send(Stage::etMouseMove, b.get(), 5, 5);
    EXPECT_EQ(take(), (V{"A:mouseOut/B", "C:mouseOut/B", "stage:mouseOut/B", "B:mouseOver/B", "C:mouseOver/B",
                         "stage:mouseOver/B", "A:rollOut/B", "B:rollOver/A", "B:mouseMove", "C:mouseMove",
                         "stage:mouseMove"}));
    // Naming nothing: out and roll outs on everything, no move event.
    send(Stage::etMouseMove, nullptr, 5, 5);
    EXPECT_EQ(take(), (V{"B:mouseOut", "C:mouseOut", "stage:mouseOut", "B:rollOut", "C:rollOut", "stage:rollOut"}));
}

TEST_F(StageInput, DoubleClicksWithinHalfASecond) {
    listen({"click", "doubleClick"});
    a->doubleClickEnabled = true;
    auto clickAt = [&](double t) {
        now = t;
        send(Stage::etMouseDown, a.get(), 100, 100, 0);
        send(Stage::etMouseUp, a.get(), 100, 100, 0);
    };
    auto count = [&](const std::string& what) {
        auto l = take();
        return std::count(l.begin(), l.end(), what);
    };
    clickAt(10.0);
    clickAt(10.3);
    EXPECT_EQ(count("A:doubleClick"), 1);
    // Three quick clicks: one double click only.
    clickAt(20.0);
    clickAt(20.1);
    clickAt(20.2);
    EXPECT_EQ(count("A:doubleClick"), 1);
    // 500 ms apart is too slow.
    clickAt(30.0);
    clickAt(30.5);
    EXPECT_EQ(count("A:doubleClick"), 0);
    // The click comes before the double click, on the same object.
    clickAt(40.0);
    clickAt(40.2);
    EXPECT_EQ(take(), (V{"A:click", "C:click", "stage:click", "A:click", "C:click", "stage:click", "A:doubleClick",
                         "C:doubleClick", "stage:doubleClick"}));
    // Without doubleClickEnabled there is none.
    b->doubleClickEnabled = false;
    now = 50;
    for (int i = 0; i < 2; ++i) {
        send(Stage::etMouseDown, b.get(), 0, 0, 0);
        send(Stage::etMouseUp, b.get(), 0, 0, 0);
    }
    EXPECT_EQ(count("B:doubleClick"), 0);
}

TEST_F(StageInput, WheelStepsAreUpRecordsAbove2) {
    listen({"mouseWheel", "click", "mouseUp"});
    std::vector<int> deltas;
    a->addEventListener("mouseWheel", runtime::Function::of([&](Value v) { deltas.push_back(v.as<MouseEvent>()->delta); }));
    send(Stage::etMouseDown, a.get(), 100, 100, 0);
    for (int value : {3, 4, 5}) send(Stage::etMouseUp, a.get(), 100, 100, value);
    EXPECT_EQ(deltas, (std::vector<int>{1, -1, -1}));
    auto l = take();
    EXPECT_EQ(std::count(l.begin(), l.end(), "A:click"), 0);
    EXPECT_EQ(std::count(l.begin(), l.end(), "stage:mouseWheel"), 3);
    // The press is still remembered: the real release clicks.
    send(Stage::etMouseUp, a.get(), 100, 100, 0);
    l = take();
    EXPECT_EQ(std::count(l.begin(), l.end(), "A:click"), 1);
}

TEST_F(StageInput, DraggingFollowsThePointerWithinBounds) {
    auto& fake = media::FakeMediaModule::get();
    fake.on("media_native_display_object_get_width", [](const std::vector<Value>&) { return Value(100.0); });
    fake.on("media_native_display_object_get_height", [](const std::vector<Value>&) { return Value(40.0); });
    std::map<std::string, double> set;
    fake.on("media_native_display_object_set_x", [&](const std::vector<Value>& v) {
        set["x"] = v[1].toFloat();
        return Value();
    });
    fake.on("media_native_display_object_set_y", [&](const std::vector<Value>& v) {
        set["y"] = v[1].toFloat();
        return Value();
    });
    auto d = make<Sprite>();
    stage->addChild(d);
    d->startDrag(true, make<Rectangle>(0, 0, 200, 100));
    EXPECT_TRUE(set.empty());  // nothing moves before the next pointer record
    send(Stage::etMouseMove, stage.get(), 120, 70);
    EXPECT_EQ(set["x"], 70);
    EXPECT_EQ(set["y"], 50);
    send(Stage::etMouseMove, stage.get(), 400, -50);
    EXPECT_EQ(set["x"], 200);
    EXPECT_EQ(set["y"], 0);
    send(Stage::etMouseMove, stage.get(), -10, 400);
    EXPECT_EQ(set["x"], 0);
    EXPECT_EQ(set["y"], 100);
    d->stopDrag();
    set.clear();
    send(Stage::etMouseMove, stage.get(), 10, 10);
    EXPECT_TRUE(set.empty());

    // Without the centre flag the offset keeps the sprite where it is relative to the pointer.
    fake.on("media_native_display_object_get_mouse_x", [](const std::vector<Value>&) { return Value(50.0); });
    fake.on("media_native_display_object_get_mouse_y", [](const std::vector<Value>&) { return Value(60.0); });
    fake.on("media_native_display_object_get_x", [](const std::vector<Value>&) { return Value(30.0); });
    fake.on("media_native_display_object_get_y", [](const std::vector<Value>&) { return Value(20.0); });
    d->startDrag();
    send(Stage::etMouseMove, stage.get(), 60, 65);
    EXPECT_EQ(set["x"], 40);
    EXPECT_EQ(set["y"], 25);
    d->stopDrag();
}

TEST_F(StageInput, PrimaryTouchRaisesTouchThenPointerEvents) {
    listen({"touchOver", "touchRollOver", "touchBegin", "touchEnd", "touchRollOut", "touchOut", "mouseOver",
            "rollOver", "mouseDown", "mouseUp", "click"});
    auto touch = [&](int type, const DisplayObject* target, int id, int flags) {
        stage->doProcessStageEvent_(media::FakeMediaModule::record(
            static_cast<media::RecordType>(type), {{F::id, target->id_}, {F::x, 110.0}, {F::y, 100.0}, {F::value, id},
                                                   {F::flags, flags}, {F::scaleX, 3.0}, {F::scaleY, 4.0}}));
    };
    Ref<TouchEvent> begin;
    a->addEventListener("touchBegin", runtime::Function::of([&](Value v) { begin = Ref<TouchEvent>(v.as<TouchEvent>()); }));
    touch(Stage::etTouchBegin, a.get(), 7, Stage::efPrimaryTouch);
    EXPECT_EQ(take(), (V{"A:touchOver/A", "C:touchOver/A", "stage:touchOver/A", "A:touchRollOver", "C:touchRollOver",
                         "stage:touchRollOver", "A:touchBegin", "C:touchBegin", "stage:touchBegin", "A:mouseOver/A",
                         "C:mouseOver/A", "stage:mouseOver/A", "A:rollOver", "C:rollOver", "stage:rollOver",
                         "A:mouseDown", "C:mouseDown", "stage:mouseDown"}));
    ASSERT_TRUE(begin);
    EXPECT_EQ(begin->touchPointID, 7);
    EXPECT_TRUE(begin->isPrimaryTouchPoint);
    EXPECT_FALSE(begin->get_cancelable());
    EXPECT_EQ(begin->sizeX, 3);
    EXPECT_EQ(begin->localX, 10);
    ASSERT_EQ(stage->touchInfo_.count(7), 1u);
    EXPECT_EQ(stage->touchInfo_[7]->get_touchOverObjects()->length(), 3);

    // A second, non-primary touch point tracks its own chain and drives no pointer events.
    touch(Stage::etTouchBegin, b.get(), 8, 0);
    EXPECT_EQ(take(), (V{"B:touchOver/B", "C:touchOver/B", "stage:touchOver/B", "B:touchRollOver", "C:touchRollOver",
                         "stage:touchRollOver", "B:touchBegin", "C:touchBegin", "stage:touchBegin"}));
    touch(Stage::etTouchEnd, a.get(), 7, Stage::efPrimaryTouch);
    EXPECT_EQ(take(), (V{"A:touchEnd", "C:touchEnd", "stage:touchEnd", "A:mouseUp", "C:mouseUp", "stage:mouseUp",
                         "A:click", "C:click", "stage:click"}));
    EXPECT_EQ(stage->touchInfo_.count(7), 0u);
    touch(Stage::etTouchEnd, b.get(), 8, 0);
    stage->touchInfo_.clear();
}

TEST_F(StageInput, KeysAreNormalisedWrittenBackAndConsumed) {
    listen({"keyDown", "keyUp"});
    auto r = send(Stage::etKeyDown, stage.get(), 0, 0, 97, 0, 97);
    auto k = last.cast<KeyboardEvent>();
    ASSERT_TRUE(k);
    EXPECT_EQ(k->keyCode, 65);
    EXPECT_EQ(k->charCode, 97);
    EXPECT_EQ(k->keyLocation, 1);
    EXPECT_TRUE(k->get_bubbles());
    EXPECT_TRUE(k->get_cancelable());
    EXPECT_EQ(media::MediaRecords::getInt(r, F::value), 65);
    EXPECT_EQ(media::MediaRecords::getInt(r, F::result), 0);

    // Table: value in -> value written back; 96 becomes 64, 123 stays.
    for (auto [in, out] : std::vector<std::pair<int, int>>{{96, 64}, {122, 90}, {123, 123}, {65, 65}, {105, 73}})
        EXPECT_EQ(media::MediaRecords::getInt(send(Stage::etKeyDown, stage.get(), 0, 0, in), F::value), out) << in;

    // Right-hand keys have location 0; modifiers come from the flags; keys go to the named object.
    send(Stage::etKeyUp, a.get(), 0, 0, 16, Stage::efLocationRight | Stage::efShiftDown | Stage::efCtrlDown);
    k = last.cast<KeyboardEvent>();
    EXPECT_EQ(label(k->get_target()), "A");
    EXPECT_EQ(k->keyLocation, 0);
    EXPECT_TRUE(k->shiftKey);
    EXPECT_TRUE(k->ctrlKey);
    EXPECT_FALSE(k->altKey);

    // A record naming nothing is dropped whole, without normalisation.
    take();
    r = send(Stage::etKeyDown, nullptr, 0, 0, 97);
    EXPECT_TRUE(take().empty());
    EXPECT_EQ(media::MediaRecords::getInt(r, F::value), 97);
}

TEST_F(StageInput, AltEnterTogglesFullScreenUnlessStopped) {
    send(Stage::etKeyDown, stage.get(), 0, 0, 13, Stage::efAltDown, 13);
    EXPECT_EQ(displayState, 2);  // FULL_SCREEN_INTERACTIVE
    send(Stage::etKeyDown, stage.get(), 0, 0, 13, Stage::efAltDown, 13);
    EXPECT_EQ(displayState, 0);
    // Key up, or no Alt: nothing.
    send(Stage::etKeyUp, stage.get(), 0, 0, 13, Stage::efAltDown, 13);
    send(Stage::etKeyDown, stage.get(), 0, 0, 13, 0, 13);
    EXPECT_EQ(displayState, 0);

    // A listener that stops the key event consumes it.
    a->addEventListener("keyDown", runtime::Function::of([](Value v) { v.as<Event>()->stopPropagation(); }));
    auto r = send(Stage::etKeyDown, a.get(), 0, 0, 13, Stage::efAltDown, 13);
    EXPECT_EQ(media::MediaRecords::getInt(r, F::result), 1);
    EXPECT_EQ(displayState, 0);
}

TEST_F(StageInput, FocusChangesAndTracking) {
    listen({"mouseFocusChange", "keyFocusChange", "focusIn", "focusOut"});
    // Value 0: no change event, but focus in.
    send(Stage::etFocus, a.get(), 0, 0, 0);
    EXPECT_EQ(take(), (V{"A:focusIn", "C:focusIn", "stage:focusIn"}));
    send(Stage::etFocus, b.get(), 0, 0, 2, 1, 9);
    EXPECT_EQ(take(), (V{"B:keyFocusChange/stage", "C:keyFocusChange/stage", "stage:keyFocusChange/stage",
                         "A:focusOut/B", "C:focusOut/B", "stage:focusOut/B", "B:focusIn/A", "C:focusIn/A",
                         "stage:focusIn/A"}));
    auto f = last.cast<FocusEvent>();
    EXPECT_TRUE(f->shiftKey);
    EXPECT_EQ(f->keyCode, 9);
    EXPECT_FALSE(f->get_cancelable());

    // A stopped change event: result 1, the focus chain stays.
    a->addEventListener("mouseFocusChange", runtime::Function::of([](Value v) { v.as<Event>()->stopPropagation(); }));
    auto r = send(Stage::etFocus, a.get(), 0, 0, 1);
    EXPECT_EQ(media::MediaRecords::getInt(r, F::result), 1);
    EXPECT_EQ(take(), (V{"A:mouseFocusChange/stage"}));
    EXPECT_EQ(stage->focusOverObjects_.back().get(), b.get());
}

TEST_F(StageInput, ControllerRecordsOnTheStage) {
    std::vector<Ref<JoystickEvent>> got;
    for (const char* t : {"axisMove", "ballMove", "hatMove", "buttonDown", "buttonUp", "deviceAdded", "deviceRemoved"})
        stage->addEventListener(t, runtime::Function::of([&](Value v) { got.emplace_back(v.as<JoystickEvent>()); }));
    auto joy = [&](int type, int device, int code, int value, double x = 0) {
        stage->doProcessStageEvent_(media::FakeMediaModule::record(
            static_cast<media::RecordType>(type),
            {{F::id, device}, {F::code, code}, {F::value, value}, {F::x, x}, {F::y, x + 1}}));
    };
    // The first axis record of a device raises an event even with value 0; a repeat does not.
    joy(Stage::etJoyAxisMove, 1, 0, 0);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0]->axis, (std::vector<double>{0, 0, 0, 0}));
    joy(Stage::etJoyAxisMove, 1, 0, 0);
    EXPECT_EQ(got.size(), 1u);
    joy(Stage::etJoyAxisMove, 1, 1, -32768);
    joy(Stage::etJoyAxisMove, 1, 5, 32767);
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[1]->y, -1);
    EXPECT_EQ(got[2]->axis, (std::vector<double>{0, -1, 0, 0, 0, 1}));
    EXPECT_EQ(got[2]->device, 1);
    EXPECT_EQ(got[2]->id, 0);
    EXPECT_FALSE(got[2]->get_bubbles());

    got.clear();
    joy(Stage::etJoyHatMove, 2, 3, 6);
    joy(Stage::etJoyHatMove, 2, 3, 9);
    joy(Stage::etJoyButtonDown, 2, 4, 0);
    joy(Stage::etJoyBallMove, 2, 1, 0, 5);
    joy(Stage::etJoyDeviceAdded, 3, 0, 0, 7);
    joy(Stage::etJoyDeviceRemoved, 3, 0, 0);
    ASSERT_EQ(got.size(), 6u);
    EXPECT_EQ(got[0]->x, 1);
    EXPECT_EQ(got[0]->y, 1);
    EXPECT_EQ(got[0]->id, 3);
    EXPECT_EQ(got[1]->x, -1);
    EXPECT_EQ(got[1]->y, -1);
    EXPECT_EQ(got[2]->get_type(), "buttonDown");
    EXPECT_EQ(got[2]->id, 4);
    EXPECT_EQ(got[3]->x, 5);
    EXPECT_EQ(got[3]->y, 6);
    EXPECT_EQ(got[4]->x, 7);
    EXPECT_EQ(got[4]->device, 3);
    EXPECT_EQ(got[5]->get_type(), "deviceRemoved");
    EXPECT_EQ(stage->joyAxisData_.count(1), 1u);
}

TEST_F(StageInput, MouseHideAndShowGoThroughTheStage) {
    Lib::setCurrentStage_(stage);
    Mouse::hide();
    Mouse::show();
    auto shown = media::FakeMediaModule::get().callsTo("media_native_stage_show_cursor");
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_FALSE(shown[0].args[1].toBool());
    EXPECT_TRUE(shown[1].args[1].toBool());
    Lib::setCurrentStage_(nullptr);
    EXPECT_THROW(Mouse::hide(), runtime::Thrown);
}

}  // namespace
