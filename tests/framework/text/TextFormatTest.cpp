#include "framework/text/TextFormat.h"

#include <gtest/gtest.h>

#include "framework/text/AntiAliasType.h"
#include "framework/text/GridFitType.h"
#include "framework/text/TextFieldAutoSize.h"
#include "framework/text/TextFieldType.h"
#include "framework/text/TextFormatAlign.h"
#include "framework/text/TextLineMetrics.h"

using namespace framework;
using runtime::Value;

namespace {
const char* const FIELDS[] = {"align",   "blockIndent", "bold",         "bullet",     "color",
                              "display", "font",        "indent",       "italic",     "kerning",
                              "leading", "leftMargin",  "letterSpacing", "rightMargin", "size",
                              "tabStops", "target",     "underline",    "url"};

// The names of the fields that are not null.
std::vector<std::string> setFields(const Value& format) {
    std::vector<std::string> out;
    for (const char* f : FIELDS)
        if (!format.field(f).isNull()) out.push_back(f);
    return out;
}

Value make(std::initializer_list<Value> args) {
    std::vector<Value> v(args);
    return Value(TextFormat::staticClass().create(v.data(), static_cast<int>(v.size())));
}
}  // namespace

TEST(TextFormat, ConstructorFillsItsThirteenFieldsInOrder) {
    EXPECT_TRUE(setFields(Value(runtime::make<TextFormat>())).empty());
    EXPECT_EQ(TextFormat::staticClass().instanceFieldNames().size(), 19u);

    Value f = make({"Sans", 12, 0xFF0000});
    EXPECT_EQ(setFields(f), (std::vector<std::string>{"color", "font", "size"}));
    EXPECT_EQ(f.field("font").toText(), "Sans");
    EXPECT_EQ(f.field("size").toFloat(), 12);
    EXPECT_EQ(f.field("color").toInt(), 0xFF0000);

    Value centered = make({nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "center"});
    EXPECT_EQ(setFields(centered), std::vector<std::string>{"align"});

    Value all = make({"F", 1, 2, true, false, true, "u", "t", "right", 3, 4, 5, 6});
    EXPECT_EQ(setFields(all).size(), 13u);
    auto* t = all.as<TextFormat>();
    EXPECT_EQ(t->italic, false);
    EXPECT_EQ(t->target.str(), "t");
    EXPECT_EQ(t->leftMargin, 3);
    EXPECT_EQ(t->rightMargin, 4);
    EXPECT_EQ(t->indent, 5);
    EXPECT_EQ(t->leading, 6);
}

TEST(TextFormat, LineMetricsTakeTheirArgumentsInConstructorOrder) {
    auto empty = runtime::make<TextLineMetrics>();
    for (double v : {empty->x, empty->width, empty->height, empty->ascent, empty->descent, empty->leading})
        EXPECT_EQ(v, 0);
    const Value args[] = {1, 2};
    Value m(TextLineMetrics::staticClass().create(args, 2));
    EXPECT_EQ(m.field("x").toFloat(), 1);
    EXPECT_EQ(m.field("width").toFloat(), 2);
    for (const char* f : {"height", "ascent", "descent", "leading"}) EXPECT_EQ(m.field(f).toFloat(), 0) << f;
}

TEST(TextFormat, AlignmentTextsAndEnumerationIndices) {
    EXPECT_EQ(TextFormatAlign::CENTER.str(), "center");
    const runtime::ClassInfo& align = TextFormatAlign::staticClass();
    EXPECT_EQ(align.findStatic("JUSTIFY")->get(nullptr).toText(), "justify");

    EXPECT_EQ(static_cast<int>(TextFieldAutoSize::NONE), 2);
    EXPECT_EQ(static_cast<int>(GridFitType::PIXEL), 1);
    EXPECT_EQ(static_cast<int>(AntiAliasType::ADVANCED), 0);
    EXPECT_EQ(static_cast<int>(TextFieldType::INPUT), 1);
    // From an index: the same shared value as by name.
    const runtime::EnumInfo& autoSize = runtime::EnumTraits<TextFieldAutoSize>::info();
    EXPECT_EQ(autoSize.byIndex(3), autoSize.byName("RIGHT"));
    EXPECT_EQ(autoSize.byIndex(3)->name(), "RIGHT");
}
