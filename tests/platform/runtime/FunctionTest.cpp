#include "tests/support/ThrownText.h"
#include "platform/runtime/Function.h"

#include <gtest/gtest.h>

#include "platform/runtime/Primitive.h"

using runtime::Function;
using runtime::Value;

namespace {
class Counter : public runtime::Object {
public:
    int add(int n) { return total += n; }
    void reset() { total = 0; }
    int total = 0;
};

}  // namespace

TEST(Function, TypedLambdasConvertArguments) {
    auto f = Function::of([](int a, double b, runtime::String s) { return s.str() + std::to_string(a + static_cast<int>(b)); });
    EXPECT_EQ((*f)(2, 3.9, "n").toText(), "n5");
    // Missing arguments read as null.
    EXPECT_EQ((*f)().toText(), "0");
}

TEST(Function, BoundMethodsAreTheSameFunctionForTheSameObject) {
    auto c1 = runtime::make<Counter>();
    auto c2 = runtime::make<Counter>();
    auto a = Function::method<&Counter::add>(c1.get());
    auto b = Function::method<&Counter::add>(c1.get());
    auto other = Function::method<&Counter::add>(c2.get());
    auto otherMethod = Function::method<&Counter::reset>(c1.get());
    EXPECT_TRUE(a->sameAs(*b));
    EXPECT_FALSE(a->sameAs(*other));
    EXPECT_FALSE(a->sameAs(*otherMethod));
    EXPECT_EQ(Value(a), Value(b));
    auto l1 = Function::of([] {});
    auto l2 = Function::of([] {});
    EXPECT_TRUE(l1->sameAs(*l1));
    EXPECT_FALSE(l1->sameAs(*l2));
    EXPECT_EQ((*a)(5).toInt(), 5);
    EXPECT_EQ(c1->total, 5);
}

TEST(Function, BoundMethodHoldsItsObjectWeaklyUnlessAskedToKeepIt) {
    auto c = runtime::make<Counter>();
    auto weak = Function::method<&Counter::add>(c.get());
    auto strong = Function::methodStrong<&Counter::add>(c);
    EXPECT_EQ(c->refCount(), 2);  // c and the strong binding
    runtime::Weak<Counter> watch(c);
    c = nullptr;
    EXPECT_TRUE(watch);
    EXPECT_EQ((*strong)(3).toInt(), 3);
    strong = nullptr;
    EXPECT_FALSE(watch);
    EXPECT_TRUE((*weak)(1).isNull());  // object gone: does nothing
}

TEST(Function, EmptyFunctionsAndSlotsThrowNullFunctionPointer) {
    runtime::Ref<Function> empty;
    EXPECT_EQ(thrownText([&] { runtime::call(empty, 1); }), "Null Function Pointer");
    runtime::Primitive slot;
    EXPECT_EQ(thrownText([&] { slot(1, 2); }), "Null Function Pointer");
    EXPECT_EQ(slot.toString(), "null");
}

TEST(Function, ThrownValuesCarryTextOrObjects) {
    try {
        runtime::Thrown::text("Adding to self");
    } catch (const runtime::Thrown& t) {
        EXPECT_EQ(t.value().toText(), "Adding to self");
        EXPECT_STREQ(t.what(), "Adding to self");
        EXPECT_FALSE(t.callStack().empty());
        runtime::Thrown::Scope scope(std::current_exception());
        EXPECT_EQ(&runtime::Thrown::currentCallStack(), &t.callStack());
    }
    EXPECT_TRUE(runtime::Thrown::currentCallStack().empty());
}
