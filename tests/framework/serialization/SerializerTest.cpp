#include "framework/serialization/Serializer.h"

#include <gtest/gtest.h>

#include "platform/runtime/Thrown.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "framework/net/SharedObjectFlushStatus.h"
#include "framework/serialization/Unserializer.h"
#include "platform/runtime/Array.h"
#include "platform/runtime/Bytes.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/IntMap.h"
#include "platform/runtime/List.h"
#include "platform/runtime/ObjectMap.h"
#include "platform/runtime/StringMap.h"

using framework::Serializer;
using runtime::make;
using runtime::Value;

namespace savetest {
class Hero : public runtime::Object {
    RUNTIME_CLASS(Hero)
public:
    Hero() = default;
    explicit Hero(runtime::NoInit) {}
    int level() const { return lvl * 2; }
    runtime::String name;
    int lvl = 0;
};
class Champion : public Hero {
    RUNTIME_CLASS(Champion)
public:
    Champion() = default;
    explicit Champion(runtime::NoInit n) : Hero(n) {}
    double title = 0;
};
// A byte buffer of a subclass is a class instance, not a plain buffer.
class Blob : public runtime::Bytes {
    RUNTIME_CLASS(Blob)
public:
    Blob() = default;
    explicit Blob(runtime::NoInit) {}
    int tag = 0;
};
}  // namespace savetest

using savetest::Blob;
using savetest::Champion;
using savetest::Hero;

RUNTIME_DEFINE_CLASS(Hero, "tests.save.Hero", runtime::Object, (auto& b) {
    b.template field<&Hero::name>("name")
        .template field<&Hero::lvl>("lvl")
        .template property<&Hero::level>("level")
        .emptyInstance();
})
RUNTIME_DEFINE_CLASS(Champion, "tests.save.Champion", Hero, (auto& b) {
    b.template field<&Champion::title>("title").emptyInstance();
})
RUNTIME_DEFINE_CLASS(Blob, "tests.save.Blob", runtime::Object, (auto& b) {
    b.template field<&Blob::tag>("tag").emptyInstance();
})

namespace {
runtime::Ref<runtime::Array> arr(std::vector<Value> v) { return make<runtime::Array>(std::move(v)); }
runtime::Ref<runtime::Bytes> bytes(std::vector<uint8_t> v) { return make<runtime::Bytes>(std::move(v)); }
}  // namespace

TEST(Serializer, WritesEveryScalarKind) {
    struct Case {
        Value v;
        const char* text;
    } cases[] = {
        {Value(), "n"},
        {Value(true), "t"},
        {Value(false), "f"},
        {Value(0), "z"},
        {Value(-7), "i-7"},
        {Value(2147483647), "i2147483647"},
        {Value(2.5), "d2.5"},
        {Value(0.1), "d0.1"},
        {Value(1.0), "i1"},
        {Value(0.0), "z"},
        {Value(-0.0), "z"},
        {Value(255.0), "i255"},
        {Value(256.0), "d256"},
        {Value(-1.0), "i-1"},
        {Value(-2.0), "d-2"},
        {Value(1000.0), "d1000"},
        {Value(1e20), "d1e+20"},
        {Value(1.0 / 3), "d0.333333333333333"},
        {Value(std::nan("")), "k"},
        {Value(-std::numeric_limits<double>::infinity()), "m"},
        {Value(std::numeric_limits<double>::infinity()), "p"},
        {Value(""), "y0:"},
        {Value("a b+c"), "y9:a%20b%2Bc"},
        {Value("-_.~/"), "y9:-_.%7E%2F"},
        {Value("\xC3\xA9t\xC3\xA9"), "y13:%C3%A9t%C3%A9"},
    };
    for (const auto& c : cases) EXPECT_EQ(Serializer::run(c.v), c.text) << c.text;
}

TEST(Serializer, WritesContainersAndNullRuns) {
    struct Case {
        Value v;
        const char* text;
    } cases[] = {
        {arr({}), "ah"},
        {arr({Value()}), "anh"},
        {arr({Value(), Value(), Value()}), "au3h"},
        {arr({1, Value(), 2}), "ai1ni2h"},
        {arr({1, Value(), Value(), 2, Value()}), "ai1u2i2nh"},
        {make<runtime::DynamicObject>(), "og"},
        {bytes({}), "s0:"},
        {bytes({1}), "s2:AQ"},
        {bytes({1, 2}), "s3:AQI"},
        {bytes({1, 2, 3}), "s4:AQID"},
        {bytes({1, 2, 3, 4}), "s6:AQIDBA"},
        {bytes({0xFF, 0xFE, 0xFD}), "s4:::79"},
    };
    for (const auto& c : cases) EXPECT_EQ(Serializer::run(c.v), c.text) << c.text;
}

TEST(Serializer, WorkedExampleAndStringCache) {
    auto o = make<runtime::DynamicObject>(std::initializer_list<std::pair<std::string, Value>>{
        {"name", Value("a b")},
        {"lvl", Value(3)},
        {"hp", Value(2.5)},
        {"ok", Value(true)},
        {"tags", arr({"x", Value(), Value(), "x"})},
        {"none", Value()}});
    std::string text = Serializer::run(o);
    EXPECT_EQ(text, "oy4:namey5:a%20by3:lvli3y2:hpd2.5y2:okty4:tagsay1:xu2R6hy4:noneng");
    EXPECT_EQ(text.size(), 65u);

    // Field names, values and class names share one cache.
    auto h = make<Hero>();
    h->name = runtime::String("lvl");
    EXPECT_EQ(Serializer::run(arr({Value(h), Value(h)})),
              "acy15:tests.save.Heroy4:namey3:lvlR2zgcR0R1R2R2zgh");
}

TEST(Serializer, WritesListsMapsDatesEnumsAndInstances) {
    auto l = make<runtime::List>();
    l->add(1);
    l->add("a");
    EXPECT_EQ(Serializer::run(l), "li1y1:ah");

    auto sm = make<runtime::StringMap>();
    sm->set("k", 2);
    EXPECT_EQ(Serializer::run(sm), "by1:ki2h");

    auto im = make<runtime::IntMap>();
    im->set(-5, Value());
    im->set(7, "x");
    EXPECT_EQ(Serializer::run(im), "q:-5n:7y1:xh");

    auto om = make<runtime::ObjectMap>();
    om->set(Value(make<runtime::DynamicObject>()), 1);
    EXPECT_EQ(Serializer::run(om), "Mogi1h");

    EXPECT_EQ(Serializer::run(runtime::Date::local(2001, 1, 3, 4, 5, 6)), "v2001-02-03 04:05:06");

    Value flushed = runtime::ValueTraits<framework::SharedObjectFlushStatus>::to(framework::SharedObjectFlushStatus::PENDING);
    EXPECT_EQ(Serializer::run(flushed), "wy37:framework.net.SharedObjectFlushStatusy7:PENDING:0");
    Serializer byIndex;
    byIndex.useEnumIndex = true;
    byIndex.serialize(flushed);
    EXPECT_EQ(byIndex.toString(), "jy37:framework.net.SharedObjectFlushStatus:1:0");

    // Own fields first, then the base's; computed properties are not saved.
    auto c = make<Champion>();
    c->title = 0.5;
    c->lvl = 4;
    EXPECT_EQ(Serializer::run(c), "cy19:tests.save.Championy5:titled0.5y4:nameny3:lvli4g");

    auto blob = make<Blob>();
    EXPECT_EQ(Serializer::run(blob), "cy15:tests.save.Bloby3:tagzg");
}

TEST(Serializer, RefusesFunctionsForeignObjectsCyclesAndDepth) {
    auto expectThrow = [](const Value& v, const std::string& message) {
        try {
            Serializer::run(v);
            FAIL() << "no error for " << message;
        } catch (const runtime::Thrown& t) {
            EXPECT_EQ(t.value().toText(), message);
        }
    };
    auto f = runtime::Function::of([] {});
    expectThrow(Value(f), "Cannot serialize function");
    expectThrow(arr({1, Value(f)}), "Cannot serialize function");

    class Foreign : public runtime::Object {
    public:
        std::string toString() const override { return "<handle>"; }
    };
    expectThrow(Value(make<Foreign>()), "Cannot serialize <handle>");

    auto a = arr({1});
    auto o = make<runtime::DynamicObject>();
    o->setField("self", Value(a));
    a->push(Value(o));
    expectThrow(Value(a), "Cannot serialize a cyclic structure");
    a->items.clear();  // break the cycle for the leak checker

    // Shared but acyclic data is written once per use.
    auto shared = arr({1});
    EXPECT_EQ(Serializer::run(arr({Value(shared), Value(shared)})), "aai1hai1hh");

    auto deep = arr({});
    auto inner = deep;
    for (int i = 0; i < Serializer::MAX_DEPTH + 5; ++i) {
        auto next = arr({});
        inner->push(Value(next));
        inner = next;
    }
    expectThrow(Value(deep), "Cannot serialize: nesting too deep");
}

TEST(Serializer, ObjectCacheWritesReferencesTheReaderResolves) {
    auto shared = arr({1});
    Serializer s;
    s.useCache = true;
    s.serialize(arr({Value(shared), Value(shared)}));
    EXPECT_EQ(s.toString(), "aai1hr1h");
    Value back = framework::Unserializer::run(s.toString());
    auto* a = back.as<runtime::Array>();
    ASSERT_TRUE(a);
    EXPECT_EQ(a->at(0).object(), a->at(1).object());
}

TEST(Serializer, NumbersIgnoreTheProcessLocale) {
    // A locale with a decimal comma, generated on the fly when the system has its sources.
    std::string dir = ::testing::TempDir() + "glv-locale";
    std::string cmd = "localedef -i de_DE -f UTF-8 " + dir + "/de_DE.UTF-8 >/dev/null 2>&1";
    bool made = std::system(("mkdir -p " + dir).c_str()) == 0 && std::system(cmd.c_str()) == 0;
    if (made) setenv("LOCPATH", dir.c_str(), 1);
    const char* got = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (!got) {
        unsetenv("LOCPATH");
        GTEST_SKIP() << "no locale with a decimal comma";
    }
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 2.5);
    EXPECT_STREQ(probe, "2,5");  // the locale is really in force
    EXPECT_EQ(Serializer::run(Value(2.5)), "d2.5");
    EXPECT_EQ(framework::Unserializer::run("d2.5").toFloat(), 2.5);
    EXPECT_EQ(framework::Unserializer::run("d-1.25e3").toFloat(), -1250.0);
    std::setlocale(LC_ALL, "C");
    unsetenv("LOCPATH");
}
