#include "framework/serialization/Unserializer.h"

#include <gtest/gtest.h>

#include "platform/runtime/Thrown.h"

#include <cmath>
#include <cstring>

#include "framework/net/SharedObjectFlushStatus.h"
#include "framework/serialization/Serializer.h"
#include "platform/runtime/Array.h"
#include "platform/runtime/Bytes.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/IntMap.h"
#include "platform/runtime/List.h"
#include "platform/runtime/ObjectMap.h"
#include "platform/runtime/StringMap.h"

using framework::Unserializer;
using runtime::Value;

namespace {
std::string errorOf(const std::string& text, framework::Resolver resolver = framework::Resolver::registry()) {
    try {
        Unserializer u(text);
        u.setResolver(resolver);
        u.unserialize();
    } catch (const runtime::Thrown& t) {
        return t.value().toText();
    }
    return "<no error>";
}

// Reads the text and writes the value again.
std::string reread(const std::string& text) { return framework::Serializer::run(Unserializer::run(text)); }
}  // namespace

TEST(Unserializer, ReadsScalars) {
    EXPECT_TRUE(Unserializer::run("n").isNull());
    EXPECT_EQ(Unserializer::run("t"), Value(true));
    EXPECT_EQ(Unserializer::run("f"), Value(false));
    struct IntCase {
        const char* text;
        int32_t v;
    } ints[] = {{"z", 0}, {"i42", 42}, {"i-7", -7}, {"i", 0}, {"i12x", 12}, {"i4294967297", 1},
                {"d1", 1}, {"d0", 0}, {"d255", 255}, {"d-1", -1}, {"d1.0", 1}, {"d1e2", 100}};
    for (const auto& c : ints) {
        Value v = Unserializer::run(c.text);
        EXPECT_TRUE(v.isInt()) << c.text;  // whole floats from -1 to 255 come back as integers
        EXPECT_EQ(v.toInt(), c.v) << c.text;
    }
    struct FloatCase {
        const char* text;
        double v;
    } floats[] = {{"d2.5", 2.5}, {"d256", 256}, {"d-2", -2}, {"d1000", 1000},
                  {"d1e+20", 1e20}, {"d-1.5E-3", -1.5e-3}, {"d2.5.7", 2.5}, {"d1e999", INFINITY},
                  {"d-1e999", -INFINITY}, {"d1e-999", 0.0}};
    for (const auto& c : floats) {
        Value v = Unserializer::run(c.text);
        EXPECT_TRUE(v.isFloat() || c.v == 0.0) << c.text;
        EXPECT_EQ(v.toFloat(), c.v) << c.text;
    }
    EXPECT_TRUE(std::isnan(Unserializer::run("k").toFloat()));
    EXPECT_TRUE(std::isnan(Unserializer::run("d").toFloat()));
    EXPECT_EQ(Unserializer::run("m").toFloat(), -INFINITY);
    EXPECT_EQ(Unserializer::run("p").toFloat(), INFINITY);
}

TEST(Unserializer, ReadsStringsWithPercentDecodingAndTheCache) {
    struct Case {
        const char* text;
        const char* v;
    } cases[] = {
        {"y0:", ""},
        {"y5:a%20b", "a b"},
        {"y3:a+b", "a b"},
        {"y3:%2B", "+"},
        {"y13:%C3%A9t%C3%A9", "\xC3\xA9t\xC3\xA9"},
        {"y3:%zz", "\x00"},  // hex digits outside the range count as 0
        {"y2:a%", "a%"},     // too short to be an escape
        {"y3:a%4", "a%4"},
        {"y4:abcdEXTRA", "abcd"},  // text after the value is ignored
    };
    for (const auto& c : cases)
        EXPECT_EQ(Unserializer::run(c.text).str(), std::string(c.v, c.text == std::string("y3:%zz") ? 1 : std::strlen(c.v)))
            << c.text;
    Value a = Unserializer::run("ay1:xy1:yR0R1h");
    EXPECT_EQ(a.toText(), "[x,y,x,y]");
}

TEST(Unserializer, ReadsContainersAndNullRuns) {
    auto text = [](const std::string& t) { return Unserializer::run(t).toText(); };
    EXPECT_EQ(text("ah"), "[]");
    EXPECT_EQ(text("anh"), "[null]");
    EXPECT_EQ(text("au3h"), "[null,null,null]");
    EXPECT_EQ(text("ai1u2i2nh"), "[1,null,null,2,null]");
    EXPECT_EQ(text("aly1:ai1hh"), "[{a, 1}]");
    EXPECT_EQ(text("by1:ki2y1:ai1h"), "{a => 1, k => 2}");
    EXPECT_EQ(text("q:1y1:x:-5nh"), "{-5 => null, 1 => x}");
    EXPECT_EQ(text("oy1:ai1y1:bay1:xhg"), "{ a : 1, b : [x] }");
    EXPECT_EQ(text("oy1:ai1R0i2g"), "{ a : 2 }");  // a later pair replaces the earlier value

    Value m = Unserializer::run("Mogi1oy1:kzgnh");
    auto* om = m.as<runtime::ObjectMap>();
    ASSERT_TRUE(om);
    EXPECT_EQ(om->size(), 2);

    Value d = Unserializer::run("v2001-02-03 04:05:06");
    ASSERT_TRUE(d.as<runtime::Date>());
    EXPECT_EQ(d.toText(), "2001-02-03 04:05:06");

    auto bytes = [](const std::string& t) { return Unserializer::run(t).as<runtime::Bytes>()->data(); };
    EXPECT_EQ(bytes("s0:"), std::vector<uint8_t>{});
    EXPECT_EQ(bytes("s2:AQ"), (std::vector<uint8_t>{1}));
    EXPECT_EQ(bytes("s3:AQI"), (std::vector<uint8_t>{1, 2}));
    EXPECT_EQ(bytes("s6:AQIDBA"), (std::vector<uint8_t>{1, 2, 3, 4}));
    EXPECT_EQ(bytes("s4:::79"), (std::vector<uint8_t>{0xFF, 0xFE, 0xFD}));
    EXPECT_EQ(bytes("s1:Q"), std::vector<uint8_t>{});  // a lone character makes no byte
    EXPECT_EQ(bytes("s4:!!!!"), (std::vector<uint8_t>{0, 0, 0}));  // outside the alphabet counts as 0
}

TEST(Unserializer, ReadsEnumsInstancesAndReferences) {
    Value w = Unserializer::run("wy37:framework.net.SharedObjectFlushStatusy7:PENDING:0");
    EXPECT_EQ(w.toText(), "SharedObjectFlushStatus.PENDING");
    Value j = Unserializer::run("jy37:framework.net.SharedObjectFlushStatus:0:0");
    EXPECT_EQ(j.toText(), "SharedObjectFlushStatus.FLUSHED");

    Value c = Unserializer::run("cy19:tests.save.Championy5:titled0.5y4:namey1:xy3:lvli4g");
    ASSERT_TRUE(c.isObject());
    EXPECT_EQ(c.object()->classInfo()->name(), "tests.save.Champion");
    EXPECT_EQ(c.field("title").toFloat(), 0.5);
    EXPECT_EQ(c.field("name").toText(), "x");
    EXPECT_EQ(c.field("lvl").toInt(), 4);

    // "r" counts arrays, objects, instances and enum values in creation order.
    Value r = Unserializer::run("aoy1:ai1gr1ar1hr2h");
    auto* a = r.as<runtime::Array>();
    ASSERT_TRUE(a);
    EXPECT_EQ(a->at(0).object(), a->at(1).object());
    EXPECT_EQ(a->at(2).object(), a->at(3).object());
}

TEST(Unserializer, RoundTripsEveryKind) {
    const char* texts[] = {
        "oy4:namey5:a%20by3:lvli3y2:hpd2.5y2:okty4:tagsay1:xu2R6hy4:noneng",
        "anzi-7d2.5d1e+20kmptfh",
        "ay0:y5:a%20by7:%C3%A9xR0R1h",
        "as6:AQIDBAs4:::79s0:h",
        "ali1y1:ahby1:bi2hq:1y1:x:-5nhMogi1hv2001-02-03 04:05:06h",
        "awy37:framework.net.SharedObjectFlushStatusy7:FLUSHED:0h",
        "cy19:tests.save.Championy5:titled0.5y4:nameny3:lvli4g",
    };
    for (const char* t : texts) {
        std::string once = reread(t);
        EXPECT_EQ(reread(once), once) << t;
    }
    EXPECT_EQ(reread("oy4:namey5:a%20by3:lvli3y2:hpd2.5y2:okty4:tagsay1:xu2R6hy4:noneng"),
              "oy4:namey5:a%20by3:lvli3y2:hpd2.5y2:okty4:tagsay1:xu2R6hy4:noneng");
    EXPECT_EQ(reread("ay3:a+bh"), "ay5:a%20bh");
}

TEST(Unserializer, ErrorMessagesWordForWord) {
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"h", "Invalid char h at position 0"},
        {"", "Invalid char  at position 0"},
        {"ai1", "Invalid char  at position 3"},
        {"a?h", "Invalid char ? at position 1"},
        {"oy1:ai1", "Invalid object"},
        {"o", "Invalid object"},
        {"oi1i2g", "Invalid object key"},
        {"y5:abc", "Invalid string length"},
        {"y3abc", "Invalid string length"},
        {"y-1:abc", "Invalid string length"},
        {"s5:AQ", "Invalid bytes length"},
        {"s2AQ", "Invalid bytes length"},
        {"s-2:AQ", "Invalid bytes length"},
        {"R0", "Invalid string reference"},
        {"ay1:aR1h", "Invalid string reference"},
        {"aR-1h", "Invalid string reference"},
        {"r0", "Invalid reference"},
        {"ar1h", "Invalid reference"},
        {"q:1i2x", "Invalid IntMap format"},
        {"q", "Invalid IntMap format"},
        {"wy37:framework.net.SharedObjectFlushStatusy7:FLUSHED0", "Invalid enum format"},
        {"jy37:framework.net.SharedObjectFlushStatus:7:0", "Unknown enum index framework.net.SharedObjectFlushStatus@7"},
        {"wy37:framework.net.SharedObjectFlushStatusy4:GONE:0", "No such constructor GONE"},
        {"wy5:a.b.Cy1:X:0", "Enum not found a.b.C"},
        {"jy5:a.b.C:0:0", "Enum not found a.b.C"},
        {"cy9:no.Such.Xg", "Class not found no.Such.X"},
        {"Cy9:no.Such.Xg", "Class not found no.Such.X"},
        {"Cy19:tests.save.Championg", "Invalid custom data"},
        {"v2001/02/03 04:05:06", "Invalid date format : 2001/02/03 04:05:06"},
        {"v12:00", "Invalid date format : 12:00"},
        {"xy4:boom", "boom"},
        {"xi5", "5"},
        {"cy15:tests.save.Heroy4:goldi1g", "tests.save.Hero has no field gold"},
    };
    for (const auto& c : cases) EXPECT_EQ(errorOf(c.text), c.message) << c.text;
    // Without a resolver no class or enumeration is known.
    EXPECT_EQ(errorOf("cy15:tests.save.Herog", framework::Resolver()), "Class not found tests.save.Hero");
    EXPECT_EQ(errorOf("wy37:framework.net.SharedObjectFlushStatusy7:FLUSHED:0", framework::Resolver()),
              "Enum not found framework.net.SharedObjectFlushStatus");
}

TEST(Unserializer, DateFormsAtTheEndOfTheText) {
    // "v" always takes 19 bytes; the shorter forms only fit at the end.
    Value day = Unserializer::run("v2001-02-03");
    EXPECT_EQ(day.toText(), "2001-02-03 00:00:00");
    EXPECT_TRUE(Unserializer::run("v04:05:06").as<runtime::Date>());
}

TEST(Unserializer, HostileTextEndsInAReaderError) {
    // Cycles through references to containers still being read.
    EXPECT_EQ(errorOf("oy1:ar0g"), "Cyclic reference at position 5");
    EXPECT_EQ(errorOf("aar0hh"), "Cyclic reference at position 2");
    EXPECT_EQ(errorOf("aoy1:ar1gh"), "Cyclic reference at position 6");
    // Deep nesting.
    std::string deep(100000, 'a');
    EXPECT_EQ(errorOf(deep), "Nesting too deep at position 1000");
    std::string deepObjects;
    for (int i = 0; i < 5000; ++i) deepObjects += "oy1:a";
    EXPECT_EQ(errorOf(deepObjects).rfind("Nesting too deep at position ", 0), 0u);
    std::string okDepth = std::string(Unserializer::MAX_DEPTH - 1, 'a') + std::string(Unserializer::MAX_DEPTH - 1, 'h');
    EXPECT_TRUE(Unserializer::run(okDepth).as<runtime::Array>());
    // Null runs that are empty, negative or would take unbounded memory.
    EXPECT_EQ(errorOf("au0h"), "Invalid null run");
    EXPECT_EQ(errorOf("au-3h"), "Invalid null run");
    EXPECT_EQ(errorOf("au2147483647h"), "Invalid null run");
    std::string manyRuns = "a";
    for (int i = 0; i < 3; ++i) manyRuns += "u500000";
    EXPECT_EQ(errorOf(manyRuns + "h"), "Invalid null run");
    // Enum arguments for constructors that take none, and huge counts that run out of text.
    EXPECT_EQ(errorOf("wy37:framework.net.SharedObjectFlushStatusy7:FLUSHED:1z"),
              "Enum constructor FLUSHED takes no arguments");
    EXPECT_EQ(errorOf("wy37:framework.net.SharedObjectFlushStatusy7:FLUSHED:2000000000"),
              "Invalid char  at position 63");
    // Non-object keys of an object map.
    EXPECT_EQ(errorOf("Mi1i2h"), "Invalid object map key");
}

TEST(Unserializer, WhatOneTextMayBuildIsBounded) {
    // String references count their bytes each time they are used.
    std::string refs = "ay1024:" + std::string(1024, 'a');
    std::size_t allowed = static_cast<std::size_t>(Unserializer::MAX_STRING_BYTES / 1024);
    for (std::size_t i = 0; i < allowed; ++i) refs += "R0";
    EXPECT_EQ(errorOf(refs + "h").rfind("Strings too long at position ", 0), 0u);
    std::string fits = "ay1024:" + std::string(1024, 'a');
    for (std::size_t i = 0; i + 1 < allowed; ++i) fits += "R0";
    EXPECT_EQ(Unserializer::run(fits + "h").as<runtime::Array>()->length(), static_cast<int>(allowed));
    // Values, however small: the outer array is one of them.
    std::string many = "a" + std::string(static_cast<std::size_t>(Unserializer::MAX_VALUES), 'z') + "h";
    EXPECT_EQ(errorOf(many), "Too many values at position " + std::to_string(Unserializer::MAX_VALUES));
    many.erase(1, 1);
    EXPECT_EQ(Unserializer::run(many).as<runtime::Array>()->length(), Unserializer::MAX_VALUES - 1);
}
