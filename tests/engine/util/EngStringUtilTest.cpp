// Debug strings, formatting of times, money and byte counts, number lists and grids as text.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/util/EngStringUtil.h"
#include "engine/util/LabelValuePair.h"

using engine::EngStringUtil;
using engine::LabelValuePair;

TEST(EngStringUtil, DebugStringRoundsAndReturnsPairs) {
    auto pair = LabelValuePair::weak("x", runtime::Value(1.23456));
    EXPECT_EQ(EngStringUtil::getDebugString({pair}), "(x: 1.235)");
    EXPECT_EQ(pair->label.isNull(), true);  // back in the pool, destroyed
    EXPECT_EQ(EngStringUtil::getDebugString({}), "()");
    EXPECT_EQ(EngStringUtil::getDebugString({LabelValuePair::weak("a", runtime::Value(1)),
                                             LabelValuePair::weak("b", runtime::Value(2.5)),
                                             LabelValuePair::weak("c", runtime::Value(true))}),
              "(a: 1 | b: 2.5 | c: true)");
}

TEST(EngStringUtil, Formatting) {
    struct Case {
        std::string got, want;
    } cases[] = {
        {EngStringUtil::formatTicks(1000, 2500), "1.5s"},
        {EngStringUtil::formatTicks(2500, 1000), "1.5s"},
        {EngStringUtil::formatTime(59.999, true), "0:59.99"},
        {EngStringUtil::formatTime(75.5, true), "1:15.50"},
        {EngStringUtil::formatTime(5), "0:05"},
        {EngStringUtil::formatTime(3600), "60:00"},
        {EngStringUtil::formatMoney(1000000), "1,000,000.00"},
        {EngStringUtil::formatMoney(12.5, false), "12"},
        {EngStringUtil::formatMoney(1234567.5, true, false), "1.234.567,50"},
        {EngStringUtil::formatMoney(5.05), "5.05"},
        {EngStringUtil::formatMoney(0), ".00"},
        {EngStringUtil::formatMoney(2.999), "2.99"},
        {EngStringUtil::formatBytes(1048576), "1MB"},
        {EngStringUtil::formatBytes(1500, 0), "1kB"},
        {EngStringUtil::formatBytes(500), "500Bytes"},
        {EngStringUtil::formatBytes(1536), "1.5kB"},
        {EngStringUtil::formatBytes(std::pow(1024.0, 6)), "1024PB"},
        {EngStringUtil::filterDigits("a7b8 9c"), "789"},
        {EngStringUtil::htmlFormat("t", 12, "FFFFFF", true, true, true),
         "<u><i><b><font size='12' color='#FFFFFF'>t</font></b></i></u>"},
        {EngStringUtil::getDomain("http://www.example.com:8080/x"), "example.com"},
        {EngStringUtil::getDomain("https://example.org/path"), "example.org"},
        {EngStringUtil::getDomain("file:///local/file"), "local"},
        {EngStringUtil::formatArray({runtime::Value(1), runtime::Value("b")}), "1, b"},
        {EngStringUtil::formatArray({}), ""},
        {EngStringUtil::formatStringMap({{"a", runtime::Value(1)}, {"b", runtime::Value(2)}}), "a, b"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want);
}

TEST(EngStringUtil, NumberListsAndGrids) {
    EXPECT_EQ(EngStringUtil::toIntArray("1, -2,0x10,x"), (std::vector<int32_t>{1, -2, 16, 0}));
    EXPECT_TRUE(EngStringUtil::toIntArray(nullptr).empty());
    EXPECT_TRUE(EngStringUtil::toIntArray("").empty());
    auto floats = EngStringUtil::toFloatArray("1.5,abc");
    ASSERT_EQ(floats.size(), 2u);
    EXPECT_EQ(floats[0], 1.5);
    EXPECT_TRUE(std::isnan(floats[1]));

    EXPECT_EQ(EngStringUtil::arrayToCSV({0, 1, 2, 3, 4}, 2), "0, 1\n2, 3");
    EXPECT_EQ(EngStringUtil::arrayToCSV({0, 1, 2, 3, 4}, 2, true), "1, 0\n2, 3");
    EXPECT_EQ(EngStringUtil::arrayToCSV({0, 1}, 0), "");
}

TEST(EngStringUtil, SameClassName) {
    auto a = LabelValuePair::weak("a", runtime::Value());
    auto b = LabelValuePair::weak("b", runtime::Value());
    EXPECT_TRUE(EngStringUtil::sameClassName(a.get(), b.get()));
    EXPECT_TRUE(EngStringUtil::sameClassName(a->classInfo(), &LabelValuePair::staticClass()));
    EXPECT_FALSE(EngStringUtil::sameClassName(a.get(), nullptr));
    a->put();
    b->put();
}
