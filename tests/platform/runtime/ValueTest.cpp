#include "platform/runtime/Value.h"

#include <gtest/gtest.h>

#include "platform/runtime/Array.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/Function.h"

using runtime::Value;

TEST(Value, KindsAndConversions) {
    struct Case {
        Value v;
        Value::Kind kind;
        bool b;
        int32_t i;
        double f;
        const char* text;
    } cases[] = {
        {Value(), Value::Kind::Null, false, 0, 0, "null"},
        {Value(true), Value::Kind::Bool, true, 1, 1, "true"},
        {Value(-3), Value::Kind::Int, true, -3, -3, "-3"},
        {Value(0), Value::Kind::Int, false, 0, 0, "0"},
        {Value(2.75), Value::Kind::Float, true, 2, 2.75, "2.75"},
        {Value(-2.75), Value::Kind::Float, true, -2, -2.75, "-2.75"},
        {Value(5e9), Value::Kind::Float, true, 705032704, 5e9, "5000000000"},
        {Value("hi"), Value::Kind::String, false, 0, 0, "hi"},
        {Value(runtime::String()), Value::Kind::Null, false, 0, 0, "null"},
        {Value(static_cast<const char*>(nullptr)), Value::Kind::Null, false, 0, 0, "null"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.v.kind(), c.kind) << c.text;
        EXPECT_EQ(c.v.toBool(), c.b) << c.text;
        EXPECT_EQ(c.v.toInt(), c.i) << c.text;
        EXPECT_DOUBLE_EQ(c.v.toFloat(), c.f) << c.text;
        EXPECT_EQ(c.v.toText(), c.text);
    }
    EXPECT_TRUE(Value().toStringValue().isNull());
    EXPECT_EQ(Value(1.5).toStringValue(), runtime::String("1.5"));
}

TEST(Value, EqualityIsByNumberTextOrIdentity) {
    EXPECT_EQ(Value(2), Value(2.0));
    EXPECT_NE(Value(2), Value(2.5));
    EXPECT_EQ(Value("a"), Value(std::string("a")));
    EXPECT_NE(Value("1"), Value(1));
    EXPECT_EQ(Value(), Value(nullptr));
    EXPECT_NE(Value(), Value(0));
    auto a = runtime::make<runtime::DynamicObject>();
    auto b = runtime::make<runtime::DynamicObject>();
    EXPECT_EQ(Value(a), Value(a));
    EXPECT_NE(Value(a), Value(b));
}

TEST(Value, RecordsReadMissingFieldsAsNullAndKeepFieldOrder) {
    auto rec = runtime::make<runtime::DynamicObject>();
    Value v(rec);
    v.setField("type", Value(9));
    v.setField("x", Value(3.5));
    v.setField("type", Value(4));
    EXPECT_EQ(v.field("type").toInt(), 4);
    EXPECT_TRUE(v.field("missing").isNull());
    EXPECT_EQ(v.field("missing").toInt(), 0);
    EXPECT_EQ(rec->fieldNames(), (std::vector<std::string>{"type", "x"}));
    EXPECT_EQ(v.toText(), "{ type : 4, x : 3.5 }");
    EXPECT_TRUE(Value(3).field("x").isNull());
}

TEST(Value, ArraysGrowWithNulls) {
    auto arr = runtime::make<runtime::Array>();
    arr->set(2, Value("x"));
    EXPECT_EQ(arr->length(), 3);
    EXPECT_TRUE(arr->at(0).isNull());
    EXPECT_TRUE(arr->at(7).isNull());
    EXPECT_EQ(Value(arr).field("length").toInt(), 3);
    EXPECT_EQ(arr->toString(), "[null,null,x]");
}

TEST(Value, ObjectsAreReleasedWithTheirLastReference) {
    runtime::Weak<runtime::DynamicObject> weak;
    {
        auto rec = runtime::make<runtime::DynamicObject>();
        weak = rec;
        Value copy(rec);
        EXPECT_EQ(rec->refCount(), 2);
        EXPECT_TRUE(weak);
    }
    EXPECT_FALSE(weak);
}
