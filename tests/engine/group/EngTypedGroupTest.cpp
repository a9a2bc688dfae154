// Groups: holes, splicing removal, limits and the recycling ring, counts, class filters, kill
// and destroy, by-name access.
#include <gtest/gtest.h>

#include "engine/EngBasic.h"
#include "engine/group/EngGroup.h"
#include "engine/system/EngSound.h"
#include "engine/util/EngSort.h"

using engine::EngBasic;
using engine::EngGroup;
using runtime::make;
using runtime::Ref;

namespace {

class Counter : public EngBasic {
    RUNTIME_CLASS(Counter)
public:
    Counter() = default;
    explicit Counter(runtime::NoInit n) : EngBasic(n) {}
    void update() override { ++updates; }
    void draw() override { ++draws; }
    void bump(int by) { updates += by; }
    int updates = 0;
    int draws = 0;
};

class SubCounter : public Counter {
    RUNTIME_CLASS(SubCounter)
public:
    SubCounter() = default;
    explicit SubCounter(runtime::NoInit n) : Counter(n) {}
};

}  // namespace

RUNTIME_DEFINE_CLASS(Counter, "tests.engine.Counter", engine::EngBasic, (auto& b) {
    b.template field<&Counter::updates>("updates")
        .template method<&Counter::bump>("bump")
        .emptyInstance()
        .constructor([](const runtime::Value*, int) -> Ref<runtime::Object> { return make<Counter>(); });
})
RUNTIME_DEFINE_CLASS(SubCounter, "tests.engine.SubCounter", Counter, (auto& b) {
    b.emptyInstance().constructor([](const runtime::Value*, int) -> Ref<runtime::Object> { return make<SubCounter>(); });
})

TEST(EngTypedGroup, HolesAreFilledAndSplicingKeepsTheLength) {
    auto g = make<EngGroup>();
    EXPECT_EQ(g->countLiving(), -1);  // no member at all: -1, not 0
    Ref<EngBasic> a = make<EngBasic>(), b = make<EngBasic>();
    EXPECT_EQ(g->add(a), a);
    EXPECT_EQ(g->length, 1);
    EXPECT_EQ(g->add(a), a);  // present already
    EXPECT_EQ(g->length, 1);
    EXPECT_EQ(g->add(nullptr), nullptr);
    g->remove(a);
    EXPECT_EQ(g->memberAt(0), nullptr);
    g->add(b);  // fills position 0 again
    EXPECT_EQ(g->memberAt(0), b.get());
    EXPECT_EQ(g->length, 1);

    // Splicing out the only member leaves length 1 over an empty array.
    EXPECT_EQ(g->remove(b, true), b);
    EXPECT_TRUE(g->members.empty());
    EXPECT_EQ(g->length, 1);
    EXPECT_EQ(g->getFirstNull(), 0);
    EXPECT_EQ(g->countLiving(), -1);
    g->add(a);
    EXPECT_EQ(g->memberAt(0), a.get());
    EXPECT_EQ(g->length, 1);
    EXPECT_EQ(g->remove(b), nullptr);  // not present

    a->kill();
    EXPECT_EQ(g->countLiving(), 0);
    EXPECT_EQ(g->countDead(), 1);
    EXPECT_EQ(g->replace(a, b), b);
    EXPECT_EQ(g->memberAt(0), b.get());
    EXPECT_EQ(g->replace(a, b), nullptr);
}

TEST(EngTypedGroup, LimitedGroupRefusesAndRecyclesInARing) {
    auto g = make<EngGroup>(3);
    Ref<EngBasic> m[3] = {make<Counter>(), make<Counter>(), make<Counter>()};
    for (auto& x : m) g->add(x);
    Ref<EngBasic> extra = make<Counter>();
    EXPECT_EQ(g->add(extra), extra);  // returned but not added
    EXPECT_EQ(g->length, 3);
    m[1]->kill();
    for (int expected : {0, 1, 2, 0}) {
        auto r = g->recycle(&Counter::staticClass());
        EXPECT_EQ(r, m[expected]);
        EXPECT_TRUE(r->alive && r->exists);
    }

    // Shrinking destroys the members past the new size.
    auto big = make<EngGroup>();
    std::vector<Ref<EngBasic>> five;
    for (int i = 0; i < 5; ++i) five.push_back(big->add(make<Counter>()));
    EXPECT_EQ(big->set_maxSize(2), 2);
    EXPECT_EQ(big->length, 2);
    EXPECT_TRUE(five[1]->exists);
    EXPECT_FALSE(five[2]->exists);
    EXPECT_FALSE(five[4]->exists);
    big->set_maxSize(0);
    EXPECT_EQ(big->length, 2);
    EXPECT_TRUE(five[0]->exists);
}

TEST(EngTypedGroup, UnlimitedRecycleRevivesOrMakes) {
    auto g = make<EngGroup>();
    auto made = g->recycle(&Counter::staticClass());
    ASSERT_TRUE(dynamic_cast<Counter*>(made.get()));
    EXPECT_EQ(g->length, 1);
    EXPECT_EQ(g->recycle(), nullptr);  // nothing free and no class
    auto sub = g->add(make<SubCounter>());
    sub->kill();
    // Without force a free subclass member serves; with force only the exact class does.
    EXPECT_EQ(g->getFirstAvailable(&Counter::staticClass(), true), nullptr);
    EXPECT_EQ(g->getFirstAvailable(&Counter::staticClass()), sub);
    auto again = g->recycle(&Counter::staticClass(), nullptr, true);
    EXPECT_NE(again, sub);
    EXPECT_EQ(g->length, 3);
    EXPECT_EQ(g->recycle(&Counter::staticClass()), sub);
    EXPECT_TRUE(sub->exists && sub->alive);
}

TEST(EngTypedGroup, LoopsKillDestroyAndByName) {
    auto g = make<EngGroup>();
    auto inner = make<EngGroup>();
    Ref<Counter> a = make<Counter>(), b = make<Counter>(), c = make<Counter>();
    g->add(a);
    g->add(inner);
    inner->add(b);
    g->add(c);
    c->active = false;
    c->visible = false;
    g->update();
    g->draw();
    EXPECT_EQ(a->updates, 1);
    EXPECT_EQ(b->updates, 1);
    EXPECT_EQ(c->updates, 0);
    EXPECT_EQ(c->draws, 0);

    g->setAll("updates", 10);  // recurses into the inner group
    EXPECT_EQ(b->updates, 10);
    auto args = make<runtime::Array>();
    args->push(5);
    g->callAll("bump", args);
    EXPECT_EQ(a->updates, 15);
    EXPECT_EQ(b->updates, 15);
    g->setAll("visible", true);
    EXPECT_TRUE(c->visible);

    int seen = 0;
    g->forEachOfType(&Counter::staticClass(), [&](EngBasic*) { ++seen; });
    EXPECT_EQ(seen, 2);  // the inner group is no Counter

    // The default sort order reaches the compare function as -1.
    int orderSeen = 0;
    g->sort([&](int order, EngBasic*, EngBasic*) { orderSeen = order; return 0; });
    EXPECT_EQ(orderSeen, engine::EngSort::ASCENDING);

    // kill: members first, then the group; revive brings back only the group.
    g->kill();
    EXPECT_FALSE(a->alive || b->alive || g->alive);
    g->revive();
    EXPECT_TRUE(g->alive);
    EXPECT_FALSE(a->alive);

    g->destroy();
    EXPECT_FALSE(g->hasMembers());
    EXPECT_FALSE(b->exists);
    EXPECT_EQ(g->remove(a), nullptr);
    g->destroy();  // a second destroy only clears exists
    EXPECT_EQ(EngGroup::resolveGroup(g.get()), g.get());
    EXPECT_EQ(EngGroup::resolveGroup(a.get()), nullptr);
}

TEST(EngTypedGroup, DebugTextOfABasic) {
    auto b = make<EngBasic>();
    b->visible = false;
    EXPECT_EQ(b->toString(), "(active: true | visible: false | alive: true | exists: true)");
}
