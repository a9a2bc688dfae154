// The facade, the actuators and the per-frame pass on a scripted clock.
#include <cmath>
#include <limits>

#include "TweenFixture.h"
#include "TweenTarget.h"
#include "platform/runtime/Numbers.h"
#include "tween/easing/Linear.h"

using runtime::Array;
using runtime::Function;
using runtime::make;
using runtime::Ref;
using runtime::Value;
using runtime::Weak;
using tween::GenericActuator;
using tween::IGenericActuator;
using tween::SimpleActuator;
using tween::Tweener;

namespace {
Ref<tween::IEasing> linear() { return tween::Linear::get_easeNone(); }
std::string num(double v) { return runtime::Numbers::toText(v); }
template <class A>
Ref<SimpleActuator> simple(const Ref<A>& a) { return a.template cast<SimpleActuator>(); }
}  // namespace

class Tween : public TweenFixture {
protected:
    // A handler that logs "<what> x=<target's x>".
    Ref<Function> logger(const std::string& what, const Ref<TweenTarget>& t) {
        Weak<TweenTarget> w(t.get());
        return Function::of([this, what, w] { log.push_back(what + " x=" + num(w.get() ? w.get()->get_x() : -1)); });
    }
    Ref<Function> logger(const std::string& what) {
        return Function::of([this, what] { log.push_back(what); });
    }
    std::vector<std::string> log;
};

TEST_F(Tween, LinearTweenWritesInBetweenAndEndValuesThenCompletes) {
    auto t = make<TweenTarget>();
    auto a = Tweener::tween(t, 1, record({{"x", 10}}));
    a->ease(linear())->onUpdate(logger("update", t))->onComplete(logger("complete", t));
    EXPECT_TRUE(t->writes.empty());  // start values wait for the first frame
    frame(0.25);
    frame(0.5);
    EXPECT_TRUE(simple(a)->active);
    EXPECT_EQ(Tweener::getLibrary(t, false)->length(), 1);
    frame(1.25);
    EXPECT_EQ(t->writes, (std::vector<double>{2.5, 5, 10}));
    EXPECT_EQ(log, (std::vector<std::string>{"update x=2.5", "update x=5", "update x=10", "complete x=10"}));
    EXPECT_FALSE(simple(a)->active);
    EXPECT_FALSE(Tweener::getLibrary(t, false));
    EXPECT_FALSE(Tweener::isActive());
    EXPECT_EQ(SimpleActuator::actuators.size(), 1u);  // dropped on the next pass
    frame(1.5);
    EXPECT_TRUE(SimpleActuator::actuators.empty());
    EXPECT_EQ(t->writes.size(), 3u);
    EXPECT_FALSE(Tweener::tween(nullptr, 1, record({{"x", 1}})));
}

TEST_F(Tween, TheDefaultEaseIsOneSharedExpoOut) {
    auto t = make<TweenTarget>();
    auto a = Tweener::tween(t, 1, record({{"x", 100}}));
    auto b = Tweener::tween(make<TweenTarget>(), 1, record({{"x", 100}}));
    EXPECT_EQ(a->_ease.get(), Tweener::defaultEase.get());
    EXPECT_EQ(b->_ease.get(), a->_ease.get());
    EXPECT_EQ(a->_ease->classInfo()->shortName(), "ExpoEaseOut");
    frame(0.5);
    EXPECT_DOUBLE_EQ(t->get_x(), 96.875);
}

TEST_F(Tween, DurationNotAboveZeroWritesAtOnceAndCompletes) {
    for (double d : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(d);
        log.clear();
        auto t = make<TweenTarget>();
        Tweener::tween(t, 1, record({{"x", 10}}))->onUpdate(logger("old update"))->onComplete(logger("old complete"));
        auto a = Tweener::tween(t, d, record({{"x", 5}, {"label", "done"}}));
        EXPECT_EQ(t->get_x(), 5);
        EXPECT_EQ(t->label, "done");
        EXPECT_EQ(log, (std::vector<std::string>{"old update", "old complete"}));
        EXPECT_FALSE(Tweener::getLibrary(t, false));
        std::vector<int> got;
        auto params = make<Array>(std::vector<Value>{Value(7)});
        a->onUpdate(logger("update"));
        a->onComplete(Function::of([&got](int v) { got.push_back(v); }), params);
        EXPECT_EQ(got, std::vector<int>{7});  // before onComplete returned
        EXPECT_EQ(log.back(), "update");
        frame(clock + 2);
        EXPECT_EQ(t->get_x(), 5);  // never runs
    }
}

TEST_F(Tween, OverlappingNamesStopTheOlderSilentlyAndDisjointOnesBothFinish) {
    auto t = make<TweenTarget>();
    auto older = Tweener::tween(t, 1, record({{"x", 10}, {"y", 10}}));
    older->onUpdate(logger("older update"))->onComplete(logger("older complete"));
    auto newer = Tweener::tween(t, 1, record({{"x", 20}}));
    newer->ease(linear())->onComplete(logger("newer complete"));
    EXPECT_FALSE(simple(older)->active);
    ASSERT_EQ(Tweener::getLibrary(t, false)->length(), 1);
    EXPECT_EQ(Tweener::getLibrary(t, false)->at(0).object(), newer.get());
    frame(1);
    EXPECT_EQ(t->get_x(), 20);
    EXPECT_EQ(t->y, 0);  // the older one stopped before it ever wrote
    EXPECT_EQ(log, std::vector<std::string>{"newer complete"});

    log.clear();
    clock = 0;
    auto u = make<TweenTarget>();
    Tweener::tween(u, 1, record({{"x", 10}}))->onComplete(logger("x done"));
    Tweener::tween(u, 2, record({{"y", 4}}))->onComplete(logger("y done"));
    EXPECT_EQ(Tweener::getLibrary(u, false)->length(), 2);
    frame(2);
    EXPECT_EQ(u->get_x(), 10);
    EXPECT_EQ(u->y, 4);
    EXPECT_EQ(log, (std::vector<std::string>{"x done", "y done"}));
}

TEST_F(Tween, WithoutOverwriteBothRunAndTheNewerWritesLast) {
    auto t = make<TweenTarget>();
    Tweener::tween(t, 1, record({{"x", 10}}))->ease(linear());
    Tweener::tween(t, 1, record({{"x", 20}}), false)->ease(linear());
    frame(0.5);
    // The newer one reads its start after the older one wrote in the same frame.
    EXPECT_EQ(t->writes, (std::vector<double>{5, 12.5}));
    frame(1);
    EXPECT_EQ(t->writes, (std::vector<double>{5, 12.5, 10, 20}));
}

TEST_F(Tween, StopByNameListOrRecordStopsTheSameTweensWithTheirHandlers) {
    const std::vector<std::pair<const char*, Value>> forms = {
        {"name", Value("x")},
        {"list", Value(make<Array>(std::vector<Value>{Value("x"), Value("z")}))},
        {"record", Value(record({{"x", 0}}))},
    };
    for (const auto& [what, form] : forms) {
        SCOPED_TRACE(what);
        clock = 0;
        auto t = make<TweenTarget>();
        auto ax = Tweener::tween(t, 1, record({{"x", 10}}));
        ax->onUpdate(logger("x update"))->onComplete(logger("x complete"));
        auto ay = Tweener::tween(t, 1, record({{"y", 10}}));
        ay->onComplete(logger("y complete"));
        frame(clock + 0.25);
        log.clear();
        Tweener::stop(t, form);
        EXPECT_FALSE(simple(ax)->active);
        EXPECT_TRUE(simple(ay)->active);
        EXPECT_EQ(log, (std::vector<std::string>{"x update", "x complete"}));
        EXPECT_EQ(Tweener::getLibrary(t, false)->length(), 1);
        Tweener::stop(t);
        EXPECT_EQ(log.back(), "y complete");
        EXPECT_FALSE(Tweener::getLibrary(t, false));
    }
}

TEST_F(Tween, StopWithCompleteWritesEndValuesAndAnActuatorStopsWhateverItsNames) {
    auto t = make<TweenTarget>();
    Tweener::tween(t, 1, record({{"x", 10}, {"label", "end"}}));
    Tweener::tween(t, 1, record({{"y", 3}}));
    frame(0.25);
    Tweener::stop(t, Value(), true);
    EXPECT_EQ(t->get_x(), 10);
    EXPECT_EQ(t->label, "end");  // the complete flag writes keys a tween skips
    EXPECT_EQ(t->y, 3);
    EXPECT_FALSE(Tweener::isActive());

    auto a = Tweener::tween(t, 1, record({{"x", 0}}));
    Tweener::stop(a, Value("unrelated"));
    EXPECT_FALSE(simple(a)->active);
    // A stop of names the tween does not have leaves it alone.
    auto b = Tweener::tween(t, 1, record({{"x", 0}}));
    Tweener::stop(t, Value("y"));
    EXPECT_TRUE(simple(b)->active);
}

TEST_F(Tween, RepeatWithReflectRunsBackAndRepeatCountsPasses) {
    auto t = make<TweenTarget>();
    Tweener::tween(t, 1, record({{"x", 10}}))
        ->ease(linear())
        ->repeat(1)
        ->reflect()
        ->onRepeat(logger("repeat", t))
        ->onComplete(logger("complete", t));
    frame(0.5);
    frame(1.25);  // end of the first pass: the overshoot is not carried over
    frame(1.5);
    frame(2.0);
    frame(2.25);
    EXPECT_EQ(t->writes, (std::vector<double>{5, 10, 7.5, 2.5, 0}));
    EXPECT_EQ(log, (std::vector<std::string>{"repeat x=10", "complete x=0"}));

    log.clear();
    clock = 0;
    auto u = make<TweenTarget>();
    Tweener::tween(u, 1, record({{"x", 10}}))->ease(linear())->repeat(2)->onRepeat(logger("repeat"))->onComplete(
        logger("complete"));
    for (double f : {1.0, 2.0, 2.5}) frame(f);
    EXPECT_EQ(u->writes, (std::vector<double>{10, 10, 5}));  // each new pass starts again from the start
    frame(3.0);
    EXPECT_EQ(log, (std::vector<std::string>{"repeat", "repeat", "complete"}));

    auto forever = Tweener::tween(make<TweenTarget>(), 1, record({{"x", 1}}))->repeat();
    for (int i = 4; i < 20; ++i) frame(i);
    EXPECT_TRUE(simple(forever)->active);
    EXPECT_EQ(simple(forever)->_repeat, -1);
}

TEST_F(Tween, ReverseFalseTakesTheSlowerPathWithTheSameValues) {
    auto t = make<TweenTarget>();
    auto a = Tweener::tween(t, 1, record({{"x", 8}}))->ease(linear())->reverse(false);
    EXPECT_TRUE(a.cast<GenericActuator>()->special);
    frame(0.25);
    frame(1);
    EXPECT_EQ(t->writes, (std::vector<double>{2, 8}));
}

TEST_F(Tween, PauseShiftsTheEnd) {
    auto t = make<TweenTarget>();
    Tweener::tween(t, 1, record({{"x", 10}}))->ease(linear())->onPause(logger("pause"))->onResume(logger("resume"));
    Tweener::resume(t);  // not paused: nothing
    frame(0.5);
    Tweener::pause(t);
    clock = 1.0;
    Tweener::pause(t);  // already paused: nothing
    frame(1.5);
    EXPECT_EQ(t->writes, std::vector<double>{5});
    clock = 2.5;
    Tweener::resume(t);
    frame(2.75);
    frame(3.0);
    EXPECT_EQ(t->writes, (std::vector<double>{5, 7.5, 10}));
    EXPECT_EQ(log, (std::vector<std::string>{"pause", "resume"}));
    EXPECT_FALSE(Tweener::isActive());

    auto u = make<TweenTarget>();
    auto a = Tweener::tween(u, 1, record({{"x", 10}}))->ease(linear());
    Tweener::pauseAll();
    frame(4);
    EXPECT_TRUE(u->writes.empty());
    Tweener::resumeAll();
    frame(4.5);
    EXPECT_EQ(u->writes, std::vector<double>{5});
}

TEST_F(Tween, DelayReadsStartValuesWhenItEnds) {
    auto t = make<TweenTarget>();
    auto a = Tweener::tween(t, 1, record({{"x", 10}}));
    a->ease(linear())->delay(0.5);
    frame(0.25);
    EXPECT_FALSE(simple(a)->initialized);
    t->set_x(4);
    frame(0.5);
    frame(1.0);
    frame(1.5);
    EXPECT_EQ(t->writes, (std::vector<double>{4, 4, 7, 10}));
}

TEST_F(Tween, SmartRotationTurnsTheShortWay) {
    struct Case {
        double from, to;
        bool smart;
        double half, end;
    };
    const Case cases[] = {
        {170, -170, true, 180, 190},  // change -340 turns +20
        {-170, 170, true, -180, -190},
        {0, 180, true, 90, 180},    // exactly 180 is not wrapped
        {0, -180, true, -90, -180},
        {10, 730, true, 10, 10},    // whole turns vanish
        {170, -170, false, 0, -170},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(num(c.from) + " -> " + num(c.to));
        auto t = make<TweenTarget>();
        t->set_rotation(c.from);
        auto a = Tweener::tween(t, 1, record({{"rotation", c.to}}))->ease(linear());
        if (c.smart) a->smartRotation();
        frame(clock + 0.5);
        EXPECT_DOUBLE_EQ(t->get_rotation(), c.half);
        frame(clock + 0.5);
        EXPECT_DOUBLE_EQ(t->get_rotation(), c.end);
        clock = 0;
    }
}

TEST_F(Tween, SnappingWritesWholeNumbersRoundingHalvesUp) {
    auto r = record({{"a", 0}, {"b", 0}, {"c", 0.0}});
    Tweener::tween(r, 1, record({{"a", 5}, {"b", -5}, {"c", 0.4}}))->ease(linear())->snapping();
    frame(0.5);
    EXPECT_TRUE(r->getField("a").isInt());
    EXPECT_EQ(r->getField("a").toInt(), 3);
    EXPECT_EQ(r->getField("b").toInt(), -2);
    EXPECT_EQ(r->getField("c").toInt(), 0);
    clock = 0;
    auto t = make<TweenTarget>();
    Tweener::tween(t, 1, record({{"x", 3}, {"n", 7}}))->ease(linear())->snapping();
    frame(0.5);
    EXPECT_EQ(t->get_x(), 2);  // 1.5 up to 2
    EXPECT_EQ(t->n, 4);        // 3.5 up to 4
}

TEST_F(Tween, AlphaTweensHideAndShowDisplayObjects) {
    auto fading = make<framework::Sprite>();
    Tweener::tween(fading, 1, record({{"alpha", 0}}))->ease(linear());
    frame(0.5);
    EXPECT_TRUE(fading->get_visible());
    EXPECT_DOUBLE_EQ(fading->get_alpha(), 0.5);
    frame(1);
    EXPECT_EQ(fading->get_alpha(), 0);
    EXPECT_FALSE(fading->get_visible());

    auto hidden = make<framework::Sprite>();
    hidden->set_visible(false);
    hidden->set_alpha(0);
    Tweener::tween(hidden, 1, record({{"alpha", 1}}))->delay(0.5);
    EXPECT_TRUE(hidden->get_visible());  // shown as the tween starts, before its delay

    auto stillHidden = make<framework::Sprite>();
    stillHidden->set_visible(false);
    Tweener::tween(stillHidden, 1, record({{"alpha", 0}}));
    EXPECT_FALSE(stillHidden->get_visible());  // a tween to 0 never shows

    auto kept = make<framework::Sprite>();
    kept->set_visible(false);
    Tweener::tween(kept, 1, record({{"alpha", 0.5}}))->autoVisible(false);
    EXPECT_FALSE(kept->get_visible());

    auto stays = make<framework::Sprite>();
    Tweener::tween(stays, 1, record({{"alpha", 0}}))->autoVisible(false);

    auto stopped = make<framework::Sprite>();
    Tweener::tween(stopped, 1, record({{"alpha", 0}}));

    auto plain = record({{"alpha", 1}, {"visible", false}});
    Tweener::tween(plain, 1, record({{"alpha", 0.5}}));
    EXPECT_EQ(plain->getField("visible"), Value(false));

    frame(1.25);
    Tweener::stop(stopped, Value(), true);
    EXPECT_EQ(stopped->get_alpha(), 0);
    EXPECT_TRUE(stopped->get_visible());  // only the end of a pass hides
    frame(3);
    EXPECT_TRUE(hidden->get_visible());
    EXPECT_EQ(hidden->get_alpha(), 1);
    EXPECT_FALSE(kept->get_visible());
    EXPECT_EQ(stays->get_alpha(), 0);
    EXPECT_TRUE(stays->get_visible());
    EXPECT_EQ(plain->getField("visible"), Value(false));
}

TEST_F(Tween, ResetStopsEverythingSilently) {
    auto t = make<TweenTarget>();
    auto u = record({{"x", 0}});
    Tweener::tween(t, 1, record({{"x", 10}}))->onUpdate(logger("t update"))->onComplete(logger("t complete"));
    Tweener::tween(u, 1, record({{"x", 10}}))->onComplete(logger("u complete"));
    Tweener::getLibrary(make<TweenTarget>());  // an empty library goes too
    EXPECT_TRUE(Tweener::isActive());
    Tweener::reset();
    EXPECT_FALSE(Tweener::isActive());
    frame(2);
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(t->writes.empty());
    EXPECT_EQ(u->getField("x").toFloat(), 0);
}

TEST_F(Tween, LibrariesListActuatorsOldestFirst) {
    auto t = make<TweenTarget>();
    EXPECT_FALSE(Tweener::getLibrary(t, false));
    EXPECT_FALSE(Tweener::isActive());
    auto empty = Tweener::getLibrary(t);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->length(), 0);
    EXPECT_TRUE(Tweener::isActive());
    auto a = Tweener::tween(t, 1, record({{"x", 1}}));
    auto b = Tweener::tween(t, 1, record({{"y", 1}}));
    auto lib = Tweener::getLibrary(t, false);
    EXPECT_EQ(lib.get(), empty.get());
    ASSERT_EQ(lib->length(), 2);
    EXPECT_EQ(lib->at(0).object(), a.get());
    Tweener::unload(a.get());
    ASSERT_EQ(lib->length(), 1);
    EXPECT_EQ(lib->at(0).object(), b.get());
    Tweener::unload(a.get());  // not in the library: nothing
    EXPECT_EQ(lib->length(), 1);
    frame(1);
    EXPECT_FALSE(Tweener::getLibrary(t, false));
    EXPECT_FALSE(Tweener::isActive());
}

TEST_F(Tween, KeysTheTargetCannotTweenAreSkippedButApplied) {
    auto r = record({{"x", 0}, {"label", "a"}, {"flag", false}});
    Tweener::tween(r, 1, record({{"x", 10}, {"label", "b"}, {"flag", true}, {"missing", 3}, {"y", "text"}}))
        ->onComplete(logger("done"));
    frame(1);
    EXPECT_EQ(r->getField("x").toFloat(), 10);
    EXPECT_EQ(r->getField("label").toText(), "a");
    EXPECT_EQ(r->getField("flag"), Value(false));
    EXPECT_FALSE(r->hasField("missing"));
    EXPECT_EQ(log, std::vector<std::string>{"done"});

    Tweener::apply(r, record({{"label", "b"}, {"flag", true}}));
    EXPECT_EQ(r->getField("label").toText(), "b");
    EXPECT_EQ(r->getField("flag"), Value(true));

    auto t = make<TweenTarget>();
    Tweener::tween(t, 1, record({{"label", "z"}, {"nothing", 1}, {"x", 2}}));
    frame(2);
    EXPECT_EQ(t->label, "");
    EXPECT_EQ(t->get_x(), 2);
    Tweener::apply(t, record({{"label", "z"}, {"nothing", 1}}));  // an undeclared member is left alone
    EXPECT_EQ(t->label, "z");
}

TEST_F(Tween, ATweenStoppedBeforeItsFirstUpdateNeverTouchesItsTarget) {
    auto t = make<TweenTarget>();
    auto a = Tweener::tween(t, 1, record({{"x", 10}}));
    Tweener::stop(t);
    frame(1);
    EXPECT_TRUE(t->writes.empty());
    EXPECT_FALSE(simple(a)->initialized);
}

TEST_F(Tween, HandlersMayStopOtherTweensDuringThePass) {
    auto first = make<TweenTarget>();
    auto second = make<TweenTarget>();
    Tweener::tween(first, 1, record({{"x", 10}}))->onUpdate(Function::of([second] { Tweener::stop(second); }));
    auto b = Tweener::tween(second, 1, record({{"x", 10}}));
    // Started by a handler during the pass: waits for the next frame.
    Ref<GenericActuator> late;
    auto third = make<TweenTarget>();
    Tweener::tween(make<TweenTarget>(), 0.5, record({{"x", 1}}))->onComplete(Function::of([&] {
        late = Tweener::tween(third, 1, record({{"x", 10}}));
    }));
    frame(0.5);
    EXPECT_TRUE(second->writes.empty());
    EXPECT_FALSE(simple(b)->active);
    ASSERT_TRUE(late);
    EXPECT_TRUE(third->writes.empty());
    EXPECT_EQ(SimpleActuator::actuatorsLength, 3);
    frame(0.75);
    EXPECT_EQ(SimpleActuator::actuatorsLength, 2);  // the stopped and the completed ones are gone
    EXPECT_EQ(third->writes.size(), 1u);
}

TEST_F(Tween, ARunningTweenKeepsItsTargetAliveAndLetsGoWhenItEnds) {
    Weak<TweenTarget> target;
    Ref<GenericActuator> a;
    {
        auto t = make<TweenTarget>();
        target = t.get();
        a = Tweener::tween(t, 1, record({{"x", 10}}));
    }
    frame(0.5);
    ASSERT_TRUE(target.get());
    EXPECT_EQ(target.get()->writes.size(), 1u);
    frame(1);
    EXPECT_FALSE(target.get());  // the caller still holds the actuator, not the target

    // A target that holds its own tween: no cycle outlives the tween.
    Weak<runtime::Object> holder;
    Weak<GenericActuator> held;
    {
        auto r = record({{"x", 0}});
        auto b = Tweener::tween(r, 1, record({{"x", 1}}));
        r->setField("tween", Value(b));
        holder = r.get();
        held = b.get();
    }
    frame(1.5);
    EXPECT_TRUE(holder.get());
    frame(2);
    frame(2.5);
    EXPECT_FALSE(holder.get());
    EXPECT_FALSE(held.get());
}

TEST_F(Tween, ActuatorsAreReachableByName) {
    auto t = make<TweenTarget>();
    auto a = Tweener::tween(t, 2, record({{"x", 10}}));
    EXPECT_EQ(a->getField("duration").toFloat(), 2);
    EXPECT_EQ(a->getField("target").object(), t.get());
    EXPECT_EQ(a->getField("active"), Value(true));
    a->getField("stop").function()->operator()(Value(), false, false);
    EXPECT_FALSE(simple(a)->active);
}

TEST_F(Tween, DetailsKeepStartAndChangeAndAFinishedTweenNeverWritesToAGoneTarget) {
    Weak<TweenTarget> target;
    Ref<GenericActuator> a;
    {
        auto t = make<TweenTarget>();
        t->set_x(4);
        t->y = 2;
        target = t.get();
        a = Tweener::tween(t, 1, record({{"x", 10}, {"y", -2}}));
    }
    frame(0.5);
    auto s = simple(a);
    ASSERT_EQ(s->propertyDetails.size(), 2u);
    EXPECT_EQ(s->propertyDetails[0].propertyName, "x");
    EXPECT_DOUBLE_EQ(s->propertyDetails[0].start, 4);
    EXPECT_DOUBLE_EQ(s->propertyDetails[0].change, 6);
    EXPECT_EQ(s->propertyDetails[1].propertyName, "y");
    EXPECT_DOUBLE_EQ(s->propertyDetails[1].change, -4);
    EXPECT_EQ(s->propertyDetails[0].get_target().get(), target.get());
    frame(1);
    ASSERT_FALSE(target.get());
    // Stepped again by name, the finished actuator finds its target gone and writes nothing.
    a->getField("update").function()->operator()(Value(1.5));
    EXPECT_FALSE(s->propertyDetails[0].get_target());
}
