#include "framework/events/EventDispatcher.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framework/events/IOErrorEvent.h"

using framework::Event;
using framework::EventDispatcher;
using framework::EventPhase;
using runtime::Function;
using runtime::make;
using runtime::Ref;

namespace {

// A dispatcher with named listeners that log their runs; each listener's action may change the
// dispatcher while it runs.
struct Harness {
    Ref<EventDispatcher> d = make<EventDispatcher>();
    std::string log;
    std::map<std::string, Ref<Function>> fns;

    Ref<Function> fn(const std::string& name, std::function<void(const Ref<Event>&)> action = {}) {
        auto& f = fns[name];
        if (!f) {
            f = Function::of([this, name, action](const Ref<Event>& e) {
                log += name;
                if (action) action(e);
            });
        }
        return f;
    }
    void add(const std::string& name, int priority = 0, bool capture = false,
             std::function<void(const Ref<Event>&)> action = {}) {
        d->addEventListener("t", fn(name, std::move(action)), capture, priority);
    }
    bool fire(bool cancelable = false) { return d->dispatchEvent(make<Event>("t", false, cancelable)); }
};

// An object whose bound methods stand for "the same function".
class Counter : public runtime::Object {
public:
    void hit(const Ref<Event>&) { ++hits; }
    int hits = 0;
};

}  // namespace

TEST(EventDispatcher, PriorityOrderIsStable) {
    Harness h;
    h.add("A", 0);
    h.add("B", 5);
    h.add("C", 0);
    h.add("D", -1);
    h.add("E", 5);
    EXPECT_TRUE(h.fire());
    EXPECT_EQ(h.log, "BEACD");
}

TEST(EventDispatcher, DuplicatesAreComparedByCallbackOnly) {
    Harness h;
    h.add("A", 0);
    h.add("B", 1);
    h.add("A", 10);        // another priority does not move it
    h.add("A", 0, true);   // nor does the capture flag register it again
    EXPECT_TRUE(h.fire());
    EXPECT_EQ(h.log, "BA");
}

TEST(EventDispatcher, BoundMethodsOfOneObjectAreTheSameFunction) {
    auto d = make<EventDispatcher>();
    auto c = make<Counter>();
    auto other = make<Counter>();
    d->addEventListener("t", Function::method<&Counter::hit>(c.get()), true);
    d->addEventListener("t", Function::method<&Counter::hit>(c.get()), false);  // duplicate
    d->addEventListener("t", Function::method<&Counter::hit>(other.get()));     // another object

    auto capture = make<Event>("t");
    capture->setPhase_(EventPhase::CAPTURING_PHASE);
    d->dispatchEvent(capture);
    EXPECT_EQ(c->hits, 1);
    EXPECT_EQ(other->hits, 0);

    // Removal needs the capture flag of the registration.
    d->removeEventListener("t", Function::method<&Counter::hit>(c.get()), false);
    d->dispatchEvent(make<Event>("t"));
    EXPECT_EQ(c->hits, 1);
    EXPECT_EQ(other->hits, 1);
    d->removeEventListener("t", Function::method<&Counter::hit>(c.get()), true);
    d->dispatchEvent(capture);
    EXPECT_EQ(c->hits, 1);
}

TEST(EventDispatcher, TwoClosuresDoingTheSameAreDifferent) {
    auto d = make<EventDispatcher>();
    int runs = 0;
    d->addEventListener("t", Function::of([&](const Ref<Event>&) { ++runs; }));
    d->addEventListener("t", Function::of([&](const Ref<Event>&) { ++runs; }));
    d->dispatchEvent(make<Event>("t"));
    EXPECT_EQ(runs, 2);
}

// Listeners that change the list during a dispatch: what runs, in which order.
struct ChangeCase {
    const char* name;
    std::function<void(Harness&)> setUp;
    std::string firstRun;
    std::string secondRun;
};

void PrintTo(const ChangeCase& c, std::ostream* os) { *os << c.name; }

class ListChangedDuringDispatch : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(ListChangedDuringDispatch, RunsWhatTheListHoldsAtEachStep) {
    Harness h;
    GetParam().setUp(h);
    h.fire();
    EXPECT_EQ(h.log, GetParam().firstRun);
    h.log.clear();
    h.fire();
    EXPECT_EQ(h.log, GetParam().secondRun);
}

INSTANTIATE_TEST_SUITE_P(
    EventDispatcher, ListChangedDuringDispatch,
    ::testing::Values(
        ChangeCase{"RemovesItself",
                   [](Harness& h) {
                       h.add("A");
                       h.add("B", 0, false, [&h](auto&) { h.d->removeEventListener("t", h.fn("B")); });
                       h.add("C");
                   },
                   "ABC", "AC"},
        ChangeCase{"RemovesTheNext",
                   [](Harness& h) {
                       h.add("A", 0, false, [&h](auto&) { h.d->removeEventListener("t", h.fn("B")); });
                       h.add("B");
                       h.add("C");
                   },
                   "AC", "AC"},
        ChangeCase{"RemovesAnEarlierOne",
                   [](Harness& h) {
                       h.add("A");
                       h.add("B", 0, false, [&h](auto&) { h.d->removeEventListener("t", h.fn("A")); });
                       h.add("C");
                   },
                   // B's slot now holds C: the index stays and C runs next.
                   "ABC", "BC"},
        ChangeCase{"AddsAfterItself",
                   [](Harness& h) {
                       h.add("A", 0, false, [&h](auto&) { h.add("N", -1); });
                       h.add("B");
                   },
                   "ABN", "ABN"},
        ChangeCase{"AddsAtItsOwnPosition",
                   // N sorts into A's slot: N runs, then A a second time.
                   [](Harness& h) {
                       h.add("A", 0, false, [&h](auto&) { h.add("N", 1); });
                       h.add("B");
                   },
                   "ANAB", "NAB"},
        ChangeCase{"AddsBeforeItsPosition",
                   // B adds N in front of A: A (now in B's slot) runs again, then B again.
                   [](Harness& h) {
                       h.add("A", 1);
                       h.add("B", 0, false, [&h](auto&) { h.add("N", 2); });
                       h.add("C");
                   },
                   "ABABC", "NABC"},
        ChangeCase{"RemovesTheLastListenerOfTheType",
                   [](Harness& h) {
                       h.add("A", 0, false, [&h](auto&) {
                           h.d->removeEventListener("t", h.fn("A"));
                           h.d->removeEventListener("t", h.fn("B"));
                           EXPECT_FALSE(h.d->hasEventListener("t"));
                       });
                       h.add("B");
                   },
                   "A", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EventDispatcher, ReturnValue) {
    auto d = make<EventDispatcher>();
    EXPECT_FALSE(d->dispatchEvent(make<Event>("t")));  // no map
    EXPECT_FALSE(d->dispatchEvent(nullptr));
    d->addEventListener("t", Function::of([](const Ref<Event>&) {}));
    EXPECT_FALSE(d->dispatchEvent(make<Event>("other")));
    EXPECT_TRUE(d->dispatchEvent(make<Event>("t")));

    // A capture-phase event with only ordinary listeners calls nothing and still answers true.
    auto capture = make<Event>("t");
    capture->setPhase_(EventPhase::CAPTURING_PHASE);
    EXPECT_TRUE(d->dispatchEvent(capture));
}

TEST(EventDispatcher, StopFlags) {
    for (bool cancelable : {false, true}) {
        SCOPED_TRACE(cancelable);
        Harness h;
        h.add("A", 0, false, [](const Ref<Event>& e) { e->stopPropagation(); });
        h.add("B", 0, false, [](const Ref<Event>& e) { e->stopImmediatePropagation(); });
        h.add("C");
        EXPECT_TRUE(h.fire(cancelable));
        // stopPropagation lets the list go on; stopImmediatePropagation ends it when cancelable.
        EXPECT_EQ(h.log, cancelable ? "AB" : "ABC");
    }
}

TEST(EventDispatcher, AnAlreadyStoppedEventStillReachesItsFirstListener) {
    Harness h;
    h.add("A");
    h.add("B");
    auto e = make<Event>("t", false, true);
    e->stopImmediatePropagation();
    EXPECT_TRUE(h.d->dispatchEvent(e));
    EXPECT_EQ(h.log, "A");
}

TEST(EventDispatcher, TargetAndCurrentTarget) {
    auto owner = make<EventDispatcher>();
    auto withTarget = make<EventDispatcher>(owner.get());
    auto plain = make<EventDispatcher>();
    auto noop = Function::of([](const Ref<Event>&) {});
    withTarget->addEventListener("t", noop);
    plain->addEventListener("t", noop);

    auto e = make<Event>("t");
    withTarget->dispatchEvent(e);
    EXPECT_EQ(e->get_target().get(), owner.get());
    EXPECT_EQ(e->get_currentTarget().get(), withTarget.get());

    // An existing target stays; the current target follows the dispatcher.
    plain->dispatchEvent(e);
    EXPECT_EQ(e->get_target().get(), owner.get());
    EXPECT_EQ(e->get_currentTarget().get(), plain.get());

    auto f = make<Event>("t");
    plain->dispatchEvent(f);
    EXPECT_EQ(f->get_target().get(), plain.get());
}

TEST(EventDispatcher, MapLifecycle) {
    auto d = make<EventDispatcher>();
    auto f = Function::of([](const Ref<Event>&) {});
    d->addEventListener("a", f, true);
    d->addEventListener("b", f);
    EXPECT_TRUE(d->hasEventListener("a"));
    EXPECT_TRUE(d->willTrigger("a"));
    d->removeEventListener("a", f, false);  // wrong capture flag: nothing removed
    EXPECT_TRUE(d->hasEventListener("a"));
    d->removeEventListener("a", f, true);
    d->removeEventListener("b", f);
    EXPECT_FALSE(d->hasEventListener("a"));
    EXPECT_FALSE(d->hasEventListener("b"));
    d->removeEventListener("b", f);  // no map: no-op
    EXPECT_FALSE(d->dispatchEvent(make<Event>("b")));
}

TEST(EventDispatcher, ListenerExceptionsReachTheCaller) {
    Harness h;
    h.add("A", 0, false, [](auto&) { runtime::Thrown::text("boom"); });
    h.add("B");
    EXPECT_THROW(h.fire(), runtime::Thrown);
    EXPECT_EQ(h.log, "A");
}

TEST(EventDispatcher, NullCallbackIsStoredAndFailsWhenReached) {
    auto d = make<EventDispatcher>();
    d->addEventListener("t", nullptr);
    d->addEventListener("t", nullptr);  // a duplicate
    try {
        d->dispatchEvent(make<Event>("t"));
        FAIL();
    } catch (const runtime::Thrown& t) {
        EXPECT_EQ(t.value().toText(), "Null Function Pointer");
    }
    d->removeEventListener("t", nullptr);
    EXPECT_FALSE(d->hasEventListener("t"));
}

TEST(EventDispatcher, HelperDispatchesAndTextForm) {
    auto d = make<EventDispatcher>();
    std::string seen;
    auto f = Function::of([&](const Ref<Event>& e) { seen += e->toString() + ";"; });
    d->addEventListener("complete", f);
    d->addEventListener("ioError", f);
    d->dispatchCompleteEvent_();
    d->dispatchIOErrorEvent_();
    EXPECT_EQ(seen,
              "[Event type=complete bubbles=false cancelable=false];"
              "[IOErrorEvent type=ioError bubbles=true cancelable=false text= errorID=0];");
    EXPECT_EQ(d->toString(), "[object EventDispatcher]");
}

TEST(EventDispatcher, ReachableByName) {
    const runtime::ClassInfo* ci = runtime::ClassInfo::find("framework._native.events.EventDispatcher");
    ASSERT_NE(ci, nullptr);
    Ref<runtime::Object> d = ci->create(nullptr, 0);
    int runs = 0;
    auto f = Function::of([&](const Ref<Event>&) { ++runs; });
    runtime::Value(d).field("addEventListener").function()->operator()("t", f);
    runtime::Value(d).field("dispatchEvent").function()->operator()(make<Event>("t"));
    EXPECT_EQ(runs, 1);
    EXPECT_NE(runtime::ClassInfo::find("framework._native.events.IEventDispatcher"), nullptr);
    EXPECT_NE(runtime::ClassInfo::find("framework._native.events._EventDispatcher.Listener"), nullptr);
}
