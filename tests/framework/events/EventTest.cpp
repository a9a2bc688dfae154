#include "framework/events/Event.h"

#include <gtest/gtest.h>

#include "framework/events/ErrorEvent.h"
#include "framework/events/IOErrorEvent.h"
#include "framework/events/ProgressEvent.h"
#include "framework/events/SystemEvent.h"
#include "framework/events/TextEvent.h"
#include "framework/events/UncaughtErrorEvent.h"
#include "framework/events/UncaughtErrorEvents.h"

using namespace framework;
using runtime::make;
using runtime::Ref;

TEST(Event, DefaultsAndStopFlags) {
    auto e = make<Event>("x");
    EXPECT_FALSE(e->get_bubbles());
    EXPECT_FALSE(e->get_cancelable());
    EXPECT_EQ(e->get_eventPhase(), EventPhase::AT_TARGET);
    EXPECT_EQ(e->get_target(), nullptr);
    EXPECT_EQ(e->get_currentTarget(), nullptr);

    // Not cancelable: both stops do nothing.
    e->stopPropagation();
    e->stopImmediatePropagation();
    EXPECT_FALSE(e->isDefaultPrevented());
    EXPECT_FALSE(e->getIsCancelled_());

    auto c = make<Event>("x", false, true);
    c->stopPropagation();
    EXPECT_TRUE(c->isDefaultPrevented());
    EXPECT_TRUE(c->getIsCancelled_());
    EXPECT_FALSE(c->getIsCancelledNow_());
    c->stopImmediatePropagation();
    EXPECT_TRUE(c->getIsCancelledNow_());
}

TEST(Event, CloneStartsAfresh) {
    auto e = make<Event>("x", true, true);
    e->set_target(e);
    e->set_currentTarget(e);
    e->setPhase_(EventPhase::BUBBLING_PHASE);
    e->stopImmediatePropagation();
    Ref<Event> c = e->clone();
    EXPECT_EQ(c->classInfo(), &Event::staticClass());
    EXPECT_EQ(c->get_type(), "x");
    EXPECT_TRUE(c->get_bubbles());
    EXPECT_TRUE(c->get_cancelable());
    EXPECT_EQ(c->get_target(), nullptr);
    EXPECT_EQ(c->get_eventPhase(), EventPhase::AT_TARGET);
    EXPECT_FALSE(c->isDefaultPrevented());
    e->set_target(nullptr);  // no self-reference left behind
    e->set_currentTarget(nullptr);
}

TEST(Event, SubclassClonesKeepTheirOwnFields) {
    auto err = make<ErrorEvent>("error", true, false, "x", 7);
    auto c = err->clone().cast<ErrorEvent>();
    ASSERT_TRUE(c);
    EXPECT_EQ(c->text, "x");
    EXPECT_EQ(c->errorID, 7);
    EXPECT_TRUE(c->get_bubbles());

    runtime::Value thrown("oops");
    auto u = make<UncaughtErrorEvent>("uncaughtError", false, true, thrown)->clone().cast<UncaughtErrorEvent>();
    ASSERT_TRUE(u);
    EXPECT_EQ(u->error, thrown);
    EXPECT_FALSE(u->get_bubbles());

    auto p = make<ProgressEvent>("progress", false, false, 3, 9)->clone().cast<ProgressEvent>();
    ASSERT_TRUE(p);
    EXPECT_EQ(p->bytesTotal, 9);
    EXPECT_EQ(make<SystemEvent>("system", false, false, 4)->clone().cast<SystemEvent>()->data, 4);
    EXPECT_EQ(make<IOErrorEvent>("ioError")->clone()->classInfo(), &IOErrorEvent::staticClass());
    EXPECT_EQ(make<TextEvent>("link", false, false, "t")->clone().cast<TextEvent>()->text, "t");
}

TEST(Event, TextForms) {
    struct Case {
        Ref<Event> event;
        const char* text;
    };
    const Case cases[] = {
        {make<Event>("resize", true), "[Event type=resize bubbles=true cancelable=false]"},
        {make<TextEvent>("textInput", false, true, "hi"), "[TextEvent type=textInput bubbles=false cancelable=true text=hi]"},
        {make<TextEvent>("link", false, false, nullptr), "[TextEvent type=link bubbles=false cancelable=false text=]"},
        {make<ErrorEvent>("error", false, false, "bad", 12),
         "[ErrorEvent type=error bubbles=false cancelable=false text=bad errorID=12]"},
        {make<IOErrorEvent>(IOErrorEvent::IO_ERROR),
         "[IOErrorEvent type=ioError bubbles=true cancelable=false text= errorID=0]"},
        {make<UncaughtErrorEvent>("uncaughtError", true, true, runtime::Value("e")),
         "[UncaughtErrorEvent type=uncaughtError bubbles=true cancelable=true]"},
        {make<ProgressEvent>("progress", false, false, 10, 100),
         "[ProgressEvent type=progress bubbles=false cancelable=false bytesLoaded=10 bytesTotal=100]"},
        {make<ProgressEvent>("progress", false, false, 0.1, 1e21),
         "[ProgressEvent type=progress bubbles=false cancelable=false bytesLoaded=0.1 bytesTotal=1e+21]"},
        {make<SystemEvent>("system"), "[SystemEvent type=system bubbles=false cancelable=false data=0]"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.event->toString(), c.text);
}

TEST(Event, ConstructionDefaultsByName) {
    // By name, an omitted argument and an explicit null both take the declared default.
    struct Case {
        const char* path;
        bool bubbles;
        bool cancelable;
    };
    const Case cases[] = {
        {"framework._native.events.Event", false, false},
        {"framework.events.TextEvent", false, false},
        {"framework.events.ErrorEvent", false, false},
        {"framework.events.IOErrorEvent", true, false},
        {"framework.events.UncaughtErrorEvent", true, true},
        {"framework.events.ProgressEvent", false, false},
        {"framework._native.events.SystemEvent", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const runtime::ClassInfo* ci = runtime::ClassInfo::find(c.path);
        ASSERT_NE(ci, nullptr);
        const runtime::Value args[] = {runtime::Value("t"), runtime::Value()};
        auto e = ci->create(args, 2).cast<Event>();
        ASSERT_TRUE(e);
        EXPECT_EQ(e->get_bubbles(), c.bubbles);
        EXPECT_EQ(e->get_cancelable(), c.cancelable);
    }
    auto u = runtime::ClassInfo::find("framework.events.UncaughtErrorEvent")->create(nullptr, 0).cast<UncaughtErrorEvent>();
    EXPECT_EQ(u->text, "");
    EXPECT_EQ(u->errorID, 0);
}

TEST(Event, AccessByName) {
    auto e = make<ErrorEvent>("error", true, false, "x", 3);
    runtime::Value v(e);
    EXPECT_EQ(v.field("type").toText(), "error");
    EXPECT_EQ(v.field("errorID").toInt(), 3);
    EXPECT_EQ(v.field("eventPhase").toText(), "EventPhase.AT_TARGET");
    v.setField("target", v);
    EXPECT_EQ(e->get_target().get(), e.get());
    v.setField("target", runtime::Value());
    EXPECT_THROW(v.setField("bubbles", true), runtime::Thrown);  // read-only

    const std::vector<std::string> eventFields = {
        "bubbles", "cancelable", "currentTarget", "eventPhase", "target", "type", "__bubbles", "__cancelable",
        "__currentTarget", "__eventPhase", "__isCancelled", "__isCancelledNow", "__target", "__type"};
    EXPECT_EQ(make<Event>("x")->fieldNames(), eventFields);
    auto names = e->fieldNames();
    EXPECT_EQ(names[0], "errorID");
    EXPECT_EQ(names[1], "text");

    // Type constants are statics that can be read and replaced by name.
    const runtime::Member* m = IOErrorEvent::staticClass().findStatic("IO_ERROR");
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->read(nullptr, true).toText(), "ioError");
    EXPECT_EQ(Event::staticClass().findStatic("ENTER_FRAME")->read(nullptr, true).toText(), "enterFrame");
}

TEST(EventPhase, SharedValuesAndText) {
    const runtime::EnumInfo* info = runtime::EnumInfo::find("framework.events.EventPhase");
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->byName("BUBBLING_PHASE"), info->byIndex(2));
    EXPECT_EQ(runtime::enumText(EventPhase::CAPTURING_PHASE), "EventPhase.CAPTURING_PHASE");
}

TEST(UncaughtErrorEvents, IsADispatcherWithItsOwnName) {
    auto d = make<UncaughtErrorEvents>();
    EXPECT_EQ(d->toString(), "[object UncaughtErrorEvents]");
    bool seen = false;
    d->addEventListener(UncaughtErrorEvent::UNCAUGHT_ERROR, runtime::Function::of([&](const Ref<Event>& e) {
        seen = true;
        e->stopPropagation();
    }));
    auto e = make<UncaughtErrorEvent>(UncaughtErrorEvent::UNCAUGHT_ERROR, true, true, runtime::Value("boom"));
    d->dispatchEvent(e);
    EXPECT_TRUE(seen);
    EXPECT_TRUE(e->getIsCancelled_());
    e->set_target(nullptr);
    e->set_currentTarget(nullptr);
}
