#include <gtest/gtest.h>

#include "framework/events/FocusEvent.h"
#include "framework/events/JoystickEvent.h"
#include "framework/events/KeyboardEvent.h"
#include "framework/events/MouseEvent.h"
#include "framework/events/TouchEvent.h"
#include "framework/display/TouchInfo.h"
#include "platform/runtime/ClassInfo.h"
#include "platform/media/fake/FakeMediaModule.h"
#include "platform/runtime/DynamicObject.h"

using namespace framework;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {
Value record(int flags, double x = 0, double y = 0) {
    using F = media::RecordField;
    return media::FakeMediaModule::record(media::RecordType::etMouseMove, {{F::flags, flags}, {F::x, x}, {F::y, y}});
}
}  // namespace

TEST(InputEvents, ConstructorDefaults) {
    auto m = make<MouseEvent>("click");
    EXPECT_TRUE(m->get_bubbles());
    EXPECT_FALSE(m->get_cancelable());
    EXPECT_EQ(m->delta, 0);
    EXPECT_EQ(m->relatedObject, nullptr);

    auto t = make<TouchEvent>("touchBegin");
    EXPECT_TRUE(t->get_bubbles());
    EXPECT_EQ(t->sizeX, 1);
    EXPECT_EQ(t->sizeY, 1);
    EXPECT_EQ(t->pressure, 1);
    EXPECT_EQ(t->touchPointID, 0);
    EXPECT_TRUE(t->isPrimaryTouchPoint);

    auto k = make<KeyboardEvent>("keyDown");
    EXPECT_FALSE(k->get_bubbles());
    EXPECT_FALSE(k->get_cancelable());
    // The command argument alone sets ctrlKey.
    auto cmd = make<KeyboardEvent>("keyDown", false, false, 0, 0, 0, false, false, false, false, true);
    EXPECT_TRUE(cmd->ctrlKey);
    EXPECT_TRUE(cmd->commandKey);
    EXPECT_FALSE(cmd->controlKey);

    EXPECT_FALSE(make<FocusEvent>("focusIn")->get_bubbles());
    auto j = make<JoystickEvent>("axisMove", false, false, 0, 0, 0.5);
    EXPECT_EQ(j->axis, (std::vector<double>{0.5, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(j->get_bubbles());

    // By name, with omitted arguments taking the defaults.
    auto byName = runtime::ClassInfo::find("framework._native.events.TouchEvent");
    ASSERT_NE(byName, nullptr);
    Value args[] = {Value("touchMove")};
    auto made = byName->create(args, 1);
    EXPECT_TRUE(made->getField("bubbles").toBool());
    EXPECT_EQ(made->getField("sizeX").toFloat(), 1);
    EXPECT_EQ(make<TouchInfo>()->get_touchOverObjects()->length(), 0);
}

TEST(InputEvents, CreateReadsTheRecordFlagsAndPosition) {
    struct Case {
        int flags;
        bool buttonDown, ctrl, shift, alt;
    } cases[] = {{5, true, true, false, false}, {16, false, false, false, false}, {2 | 8, false, false, true, true}};
    for (const auto& c : cases) {
        auto e = MouseEvent::create_("mouseMove", record(c.flags, 12.5, 7), make<Point>(1, 2), nullptr);
        SCOPED_TRACE(c.flags);
        EXPECT_EQ(e->buttonDown, c.buttonDown);
        EXPECT_EQ(e->ctrlKey, c.ctrl);
        EXPECT_EQ(e->shiftKey, c.shift);
        EXPECT_EQ(e->altKey, c.alt);
        EXPECT_FALSE(e->commandKey);
        EXPECT_TRUE(e->get_cancelable());
        EXPECT_EQ(e->stageX, 12.5);
        EXPECT_EQ(e->stageY, 7);
        EXPECT_EQ(e->localX, 1);
        EXPECT_EQ(e->localY, 2);
    }
    // A record without fields: no modifiers, position 0.
    auto bare = MouseEvent::create_("mouseMove", Value(make<runtime::DynamicObject>()), make<Point>(), nullptr);
    EXPECT_FALSE(bare->buttonDown);
    EXPECT_EQ(bare->stageX, 0);

    // Touch events cannot be stopped.
    auto t = TouchEvent::create_("touchBegin", record(1, 3, 4), make<Point>(), nullptr, 2, 3);
    EXPECT_FALSE(t->get_cancelable());
    t->stopPropagation();
    EXPECT_FALSE(t->getIsCancelled_());
    EXPECT_EQ(t->sizeX, 2);
    EXPECT_EQ(t->sizeY, 3);
    EXPECT_EQ(t->stageX, 3);
}

TEST(InputEvents, CreateSimilarAndClone) {
    auto m = MouseEvent::create_("mouseMove", record(1, 30, 40), make<Point>(3, 4), nullptr);
    m->delta = -1;
    auto s = m->createSimilar_("rollOver");
    EXPECT_EQ(s->classInfo(), &MouseEvent::staticClass());
    EXPECT_EQ(s->get_type(), "rollOver");
    EXPECT_EQ(s->stageX, 30);
    EXPECT_EQ(s->delta, -1);
    EXPECT_TRUE(s->buttonDown);
    EXPECT_TRUE(s->get_cancelable());
    EXPECT_EQ(s->get_target(), nullptr);

    auto t = TouchEvent::create_("touchMove", record(0, 30, 40), make<Point>(3, 4), nullptr, 2, 2);
    t->touchPointID = 9;
    t->isPrimaryTouchPoint = false;
    auto ts = t->createSimilar_("touchOver").cast<TouchEvent>();
    ASSERT_TRUE(ts);
    EXPECT_EQ(ts->touchPointID, 9);
    EXPECT_FALSE(ts->isPrimaryTouchPoint);
    EXPECT_EQ(ts->stageX, 0);
    EXPECT_EQ(ts->stageY, 0);
    EXPECT_EQ(ts->sizeX, 2);
    EXPECT_EQ(ts->localX, 3);

    // A touch event clones into a plain MouseEvent; the stage position is not copied.
    auto tc = t->clone();
    EXPECT_EQ(tc->classInfo(), &MouseEvent::staticClass());
    EXPECT_EQ(tc.cast<MouseEvent>()->stageX, 0);
    EXPECT_EQ(tc.cast<MouseEvent>()->localY, 4);

    auto k = make<KeyboardEvent>("keyUp", true, true, 97, 65, 1, false, true, true, true, false);
    auto kc = k->clone().cast<KeyboardEvent>();
    EXPECT_EQ(kc->charCode, 97);
    EXPECT_EQ(kc->keyCode, 65);
    EXPECT_TRUE(kc->ctrlKey);
    EXPECT_TRUE(kc->controlKey);
    EXPECT_TRUE(kc->altKey);

    auto f = make<FocusEvent>("focusIn", true, false, nullptr, true, 9);
    auto holder = make<JoystickEvent>("x");
    f->set_target(holder);
    f->set_currentTarget(holder);
    auto fc = f->clone().cast<FocusEvent>();
    EXPECT_EQ(fc->get_target(), holder);
    EXPECT_EQ(fc->get_currentTarget(), holder);
    EXPECT_EQ(fc->keyCode, 9);

    auto j = make<JoystickEvent>("axisMove", false, false, 2, 0, 0.1, 0.2, 0.3);
    j->axis = {0.1, 0.2, 0.3, 0.4, 0.5};
    auto jc = j->clone().cast<JoystickEvent>();
    EXPECT_EQ(jc->axis, (std::vector<double>{0.1, 0.2, 0.3, 0, 0, 0}));
    EXPECT_EQ(jc->device, 2);
}

TEST(InputEvents, TextForms) {
    auto m = make<MouseEvent>("click", true, false, 1.5, 2, nullptr, true, false, true, false, -1, true, 2);
    EXPECT_EQ(m->toString(),
              "[MouseEvent type=click bubbles=true cancelable=false localX=1.5 localY=2 relatedObject=null "
              "ctrlKey=true altKey=false shiftKey=true buttonDown=false delta=-1]");
    EXPECT_EQ(make<TouchEvent>("touchTap")->toString(),
              "[MouseEvent type=touchTap bubbles=true cancelable=false localX=0 localY=0 relatedObject=null "
              "ctrlKey=false altKey=false shiftKey=false buttonDown=false delta=0]");
    EXPECT_EQ(make<KeyboardEvent>("keyDown", true, true, 97, 65, 1, false, false, false, false, true)->toString(),
              "[KeyboardEvent type=keyDown bubbles=true cancelable=true charCode=97 keyCode=65 keyLocation=1 "
              "ctrlKey=true altKey=false shiftKey=false]");
    EXPECT_EQ(make<FocusEvent>("focusOut", true, false, nullptr, false, 13)->toString(),
              "[FocusEvent type=focusOut bubbles=true cancelable=false relatedObject=null shiftKey=false keyCode=13]");
    EXPECT_EQ(make<JoystickEvent>("hatMove", false, false, 1, 2, 1, -1)->toString(),
              "[JoystickEvent type=hatMove bubbles=false cancelable=false device=1 id=2 x=1 y=-1 z=0]");
}
