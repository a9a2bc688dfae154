// Signals: registration rules, once-handlers and changes of the list during a dispatch.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/util/EngSignal0.h"
#include "engine/util/EngSignal2.h"
#include "engine/util/EngTypedSignal.h"
#include "tests/support/ThrownText.h"

using engine::EngSignal0;
using runtime::Function;
using runtime::make;
using runtime::Ref;

namespace {

class Listener : public runtime::Object {
public:
    void onSignal() { ++calls; }
    int calls = 0;
};

Ref<Function> logger(std::vector<std::string>& log, std::string name) {
    return Function::of([&log, name] { log.push_back(name); });
}

}  // namespace

TEST(EngSignal, RegistrationRules) {
    auto s = make<EngSignal0>();
    std::vector<std::string> log;
    auto f = logger(log, "f");
    s->add(f);
    s->add(f);
    s->add(nullptr);
    (*s->dispatch)();
    EXPECT_EQ(log.size(), 1u);
    EXPECT_FALSE(s->has(nullptr));

    auto g = logger(log, "g");
    s->addOnce(g);
    EXPECT_EQ(thrownText([&] { s->add(g); }), engine::EngSignalBase::ADD_ONCE_CONFLICT);
    EXPECT_EQ(thrownText([&] { s->addOnce(f); }), engine::EngSignalBase::ADD_ONCE_CONFLICT);
    log.clear();
    s->dispatch0();
    s->dispatch0();
    EXPECT_EQ(log, (std::vector<std::string>{"f", "g", "f"}));
    EXPECT_FALSE(s->has(g));
    s->remove(f);
    s->add(f);

    // Bound methods of one object count as one listener.
    auto obj = make<Listener>();
    s->add(Function::method<&Listener::onSignal>(obj.get()));
    s->add(Function::method<&Listener::onSignal>(obj.get()));
    EXPECT_TRUE(s->has(Function::method<&Listener::onSignal>(obj.get())));
    s->dispatch0();
    EXPECT_EQ(obj->calls, 1);
    s->remove(Function::method<&Listener::onSignal>(obj.get()));
    EXPECT_FALSE(s->has(Function::method<&Listener::onSignal>(obj.get())));

    // removeAll clears the listeners of handlers held elsewhere.
    auto handler = s->getHandler(f);
    s->removeAll();
    EXPECT_EQ(handler->listener, nullptr);
    EXPECT_EQ(s->handlerCount(), 0);
}

TEST(EngSignal, ChangesDuringADispatch) {
    std::vector<std::string> log;
    auto s = make<EngSignal0>();
    auto a = logger(log, "a"), c = logger(log, "c"), late = logger(log, "late");
    Ref<Function> b;
    bool addLate = true;
    b = Function::of([&] {
        log.push_back("b");
        if (addLate) s->add(late);
        addLate = false;
    });
    s->addOnce(a);
    s->add(b);
    s->add(c);
    s->dispatch0();
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "c", "late"}));
    log.clear();
    s->dispatch0();
    EXPECT_EQ(log, (std::vector<std::string>{"b", "c", "late"}));

    // A listener removing the one after it, and one removing itself.
    auto t = make<EngSignal0>();
    log.clear();
    Ref<Function> second = logger(log, "second"), third = logger(log, "third"), self;
    self = Function::of([&] {
        log.push_back("self");
        t->remove(self);
    });
    t->add(Function::of([&] {
        log.push_back("first");
        t->remove(second);
    }));
    t->add(second);
    t->add(self);
    t->add(third);
    t->dispatch0();
    EXPECT_EQ(log, (std::vector<std::string>{"first", "self", "third"}));

    // removeAll inside a dispatch ends it after the caller.
    log.clear();
    auto u = make<EngSignal0>();
    u->add(Function::of([&] {
        log.push_back("stopper");
        u->removeAll();
    }));
    u->add(logger(log, "never"));
    u->dispatch0();
    EXPECT_EQ(log, (std::vector<std::string>{"stopper"}));

    // A once-listener that dispatches again is reached again by the inner dispatch.
    auto v = make<EngSignal0>();
    int depth = 0;
    v->addOnce(Function::of([&] {
        if (++depth < 3) v->dispatch0();
    }));
    v->dispatch0();
    EXPECT_EQ(depth, 3);
}

TEST(EngSignal, ArgumentsAndTypedHandles) {
    auto s = make<engine::EngSignal2>();
    int sum = 0;
    s->add(Function::of([&](int w, int h) { sum = w + h; }));
    (*s->dispatch)(960, 540);
    EXPECT_EQ(sum, 1500);
    engine::EngTypedSignal<std::string> typed;
    std::string got;
    typed.add(Function::of([&](std::string text) { got = text; }));
    typed.dispatch("hello");
    EXPECT_EQ(got, "hello");
}
