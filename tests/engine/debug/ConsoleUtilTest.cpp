// The console utilities: booleans, commands by alias, dotted variable paths, a class's own fields
// and calls cut down to the expected number of arguments.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/system/debug/ConsoleUtil.h"
#include "framework/errors/ArgumentError.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/Thrown.h"

using engine::ConsoleUtil;
using runtime::make;
using runtime::Ref;
using runtime::Value;

namespace {

class FieldsRoot : public runtime::Object {
    RUNTIME_CLASS(FieldsRoot)
public:
    FieldsRoot() = default;
    explicit FieldsRoot(runtime::NoInit) {}
    int a = 0;
    int shared = 0;
};

class FieldsMiddle : public FieldsRoot {
    RUNTIME_CLASS(FieldsMiddle)
public:
    using FieldsRoot::FieldsRoot;
    int b = 0;
};

class FieldsLeaf : public FieldsMiddle {
    RUNTIME_CLASS(FieldsLeaf)
public:
    using FieldsMiddle::FieldsMiddle;
    int c = 0;
    int shared = 0;
};

}  // namespace

RUNTIME_DEFINE_CLASS(FieldsRoot, "test.console.FieldsRoot", runtime::Object, (auto& b) {
    b.template field<&FieldsRoot::a>("a").template field<&FieldsRoot::shared>("shared");
})
RUNTIME_DEFINE_CLASS(FieldsMiddle, "test.console.FieldsMiddle", FieldsRoot,
                     (auto& b) { b.template field<&FieldsMiddle::b>("b"); })
RUNTIME_DEFINE_CLASS(FieldsLeaf, "test.console.FieldsLeaf", FieldsMiddle, (auto& b) {
    b.template field<&FieldsLeaf::c>("c").template field<&FieldsLeaf::shared>("shared");
})

namespace {

Ref<runtime::DynamicObject> record(std::initializer_list<std::pair<const char*, Value>> fields) {
    auto o = make<runtime::DynamicObject>();
    for (const auto& [k, v] : fields) o->setField(k, v);
    return o;
}

Ref<runtime::DynamicObject> command(std::vector<Value> aliases) {
    return record({{"aliases", Value(make<runtime::Array>(std::move(aliases)))}});
}

}  // namespace

TEST(ConsoleUtilTest, ParseBoolIsExact) {
    EXPECT_EQ(ConsoleUtil::parseBool("true"), true);
    EXPECT_EQ(ConsoleUtil::parseBool("false"), false);
    for (const char* text : {"TRUE", " true", "1", "", "False"}) EXPECT_EQ(ConsoleUtil::parseBool(text), std::nullopt) << text;
    EXPECT_EQ(ConsoleUtil::parseBool(nullptr), std::nullopt);
}

TEST(ConsoleUtilTest, FindCommandTakesTheLowestIndex) {
    auto first = command({"help", "h"});
    auto second = command({"h", "?"});
    auto list = make<runtime::Array>(std::vector<Value>{Value(record({})), Value(first), Value(second)});
    EXPECT_EQ(ConsoleUtil::findCommand("h", list).object(), first.get());
    EXPECT_EQ(ConsoleUtil::findCommand("?", list).object(), second.get());
    EXPECT_TRUE(ConsoleUtil::findCommand("quit", list).isNull());
}

TEST(ConsoleUtilTest, ResolvesDottedPaths) {
    auto inner = record({{"value", Value(5)}});
    auto start = record({{"child", Value(inner)}, {"empty", Value()}});

    Value one = ConsoleUtil::resolveObjectAndVariable("speed", Value());
    ASSERT_FALSE(one.isNull());
    EXPECT_TRUE(one.field("object").isNull());
    EXPECT_EQ(one.field("variableName").str(), "speed");

    EXPECT_TRUE(ConsoleUtil::resolveObjectAndVariable("a.b", Value()).isNull());
    EXPECT_TRUE(ConsoleUtil::resolveObjectAndVariable("a.b", Value(3)).isNull());

    Value two = ConsoleUtil::resolveObjectAndVariable("child.value", Value(start));
    EXPECT_EQ(two.field("object").object(), inner.get());
    EXPECT_EQ(two.field("variableName").str(), "value");

    Value throughNull = ConsoleUtil::resolveObjectAndVariable("empty.x.y", Value(start));
    ASSERT_FALSE(throughNull.isNull());
    EXPECT_TRUE(throughNull.field("object").isNull());
    EXPECT_EQ(throughNull.field("variableName").str(), "y");

    auto map = make<runtime::StringMap>();
    map->set("player", Value(inner));
    Value fromMap = ConsoleUtil::resolveObjectAndVariableFromMap("player.value", map);
    EXPECT_EQ(fromMap.field("object").object(), inner.get());
    EXPECT_EQ(fromMap.field("variableName").str(), "value");
    Value bare = ConsoleUtil::resolveObjectAndVariableFromMap("player", map);
    EXPECT_EQ(bare.field("object").object(), inner.get());
    EXPECT_EQ(bare.field("variableName").str(), "");

    EXPECT_EQ(ConsoleUtil::simpleClassName(Value(make<FieldsLeaf>())), "FieldsLeaf");
}

TEST(ConsoleUtilTest, InstanceFieldsOfTheNearestClasses) {
    using V = std::vector<std::string>;
    const runtime::ClassInfo* leaf = &FieldsLeaf::staticClass();
    V all = leaf->instanceFieldNames();
    EXPECT_EQ(ConsoleUtil::getInstanceFieldsAdvanced(leaf, -1), all);
    EXPECT_EQ(ConsoleUtil::getInstanceFieldsAdvanced(leaf, 5), all);
    EXPECT_EQ(ConsoleUtil::getInstanceFieldsAdvanced(leaf, 2), all);
    // Without the root: its names go, each name's first occurrence only (here the leaf's own
    // "shared", listed first).
    EXPECT_EQ(ConsoleUtil::getInstanceFieldsAdvanced(leaf, 1), (V{"c", "b", "shared"}));
    EXPECT_EQ(ConsoleUtil::getInstanceFieldsAdvanced(leaf), (V{"c"}));
}

TEST(ConsoleUtilTest, CallFunctionCutsTooManyArguments) {
    struct Case {
        const char* message;  // null: the call succeeds
        int errorID;
        bool called;
        std::vector<int> retried;  // argument counts of the calls made
    };
    for (const Case& c : {Case{nullptr, 0, true, {3}}, Case{"Error #1063: expected 1", 1063, true, {3, 1}},
                          Case{"Error #1063", 1063, true, {3, 0}}, Case{"Error #1063: expected 5", 1063, false, {3}},
                          Case{"bad", 2007, false, {3}}}) {
        SCOPED_TRACE(c.message ? c.message : "none");
        std::vector<int> counts;
        auto fn = make<runtime::Function>([&](const Value*, int argc) -> Value {
            counts.push_back(argc);
            if (c.message && counts.size() == 1) {
                auto error = make<framework::ArgumentError>(c.message);
                error->errorID = c.errorID;
                throw runtime::Thrown(Value(error));
            }
            return Value();
        });
        EXPECT_EQ(ConsoleUtil::callFunction(fn, {Value(1), Value(2), Value(3)}), c.called);
        EXPECT_EQ(counts, c.retried);
    }
    auto failing = make<runtime::Function>([](const Value*, int) -> Value { throw runtime::Thrown(Value("boom")); });
    EXPECT_THROW(ConsoleUtil::callFunction(failing, {}), runtime::Thrown);
}
