#include "framework/utils/Vector.h"

#include <gtest/gtest.h>

using framework::Vector;
using runtime::Value;

namespace {
Vector::Ref of(std::initializer_list<int> xs) {
    auto v = Vector::_new();
    for (int x : xs) Vector::push(v, x);
    return v;
}
}  // namespace

TEST(Vector, LengthAndFixedFlag) {
    auto v = Vector::_new(5, true);
    EXPECT_EQ(Vector::get_length(v), 5);
    EXPECT_FALSE(Vector::get_fixed(v));
    EXPECT_EQ(Vector::push(v, 1), 6);
    EXPECT_TRUE(Vector::set_fixed(v, true));
    EXPECT_FALSE(Vector::get_fixed(v));
    EXPECT_EQ(Vector::get_length(Vector::_new()), 0);

    auto w = of({1, 2, 3, 4, 5});
    Vector::set_length(w, 2);
    EXPECT_EQ(Vector::toString(w), "[1,2]");
    Vector::set_length(w, 5);
    EXPECT_EQ(Vector::get_length(w), 5);
    EXPECT_EQ(w->items.capacity(), 5u);
    EXPECT_EQ(Vector::getAs<int>(w, 1), 2);
}

TEST(Vector, ArrayOperations) {
    auto v = of({1, 2, 3, 2});
    EXPECT_EQ(Vector::indexOf(v, 2), 1);
    EXPECT_EQ(Vector::indexOf(v, 2, 2), 3);
    EXPECT_EQ(Vector::lastIndexOf(v, 2), 3);
    EXPECT_EQ(Vector::lastIndexOf(v, 2, 2), 1);
    EXPECT_EQ(Vector::indexOf(v, 9), -1);
    EXPECT_EQ(Vector::join(v, "-"), "1-2-3-2");
    EXPECT_EQ(Vector::toString(Vector::slice(v, 1, 3)), "[2,3]");
    EXPECT_EQ(Vector::toString(Vector::slice(v, -2)), "[3,2]");
    EXPECT_EQ(Vector::toString(Vector::concat(v, of({7}))), "[1,2,3,2,7]");
    EXPECT_EQ(Vector::toString(Vector::splice(v, 1, 2)), "[2,3]");
    EXPECT_EQ(Vector::toString(v), "[1,2]");
    Vector::unshift(v, 0);
    Vector::reverse(v);
    EXPECT_EQ(Vector::toString(v), "[2,1,0]");
    EXPECT_EQ(Vector::shift(v).toInt(), 2);
    EXPECT_EQ(Vector::pop(v).toInt(), 0);
    EXPECT_EQ(Vector::pop(Vector::_new()), Value());
    Vector::set(v, 3, 4);
    EXPECT_EQ(Vector::toString(v), "[1,null,null,4]");

    auto s = of({3, 1, 2});
    Vector::sort(s, runtime::Function::of([](int a, int b) { return a - b; }));
    EXPECT_EQ(Vector::toString(s), "[1,2,3]");

    auto copy = Vector::ofArray(s);
    EXPECT_NE(copy.get(), s.get());
    EXPECT_EQ(Vector::toString(copy), "[1,2,3]");
    EXPECT_EQ(Vector::convert(s).get(), s.get());
    EXPECT_EQ(Vector::toRuntimeVector(s).get(), s.get());
}

TEST(Vector, ReachableByName) {
    const runtime::ClassInfo* ci = runtime::ClassInfo::find("framework.Vector");
    ASSERT_NE(ci, nullptr);
    Value made = (*ci->findStatic("_new")->read(nullptr, true).function())(3);
    EXPECT_EQ((*ci->findStatic("get_length")->read(nullptr, true).function())(made).toInt(), 3);
}
