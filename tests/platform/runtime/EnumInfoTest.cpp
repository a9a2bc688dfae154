#include "tests/support/ThrownText.h"
#include "platform/runtime/EnumInfo.h"

#include <gtest/gtest.h>

#include "platform/runtime/Thrown.h"

namespace {
enum class Quality { LOW, MEDIUM, HIGH, BEST };
}

template <>
struct runtime::EnumTraits<Quality> {
    static const EnumInfo& info() {
        static const EnumInfo e("framework.display.StageQuality", {"LOW", "MEDIUM", "HIGH", "BEST"});
        return e;
    }
};

namespace {
}  // namespace

TEST(EnumInfo, TextIndexAndSharedValues) {
    const auto& info = runtime::EnumTraits<Quality>::info();
    EXPECT_EQ(runtime::enumText(Quality::HIGH), "StageQuality.HIGH");
    EXPECT_EQ(info.byName("BEST")->index(), 3);
    EXPECT_EQ(info.byName("LOW"), info.byIndex(0));  // one shared value
    EXPECT_EQ(runtime::enumFromIndex<Quality>(1), Quality::MEDIUM);
    EXPECT_EQ(runtime::enumFromName<Quality>("HIGH"), Quality::HIGH);
    EXPECT_EQ(runtime::EnumInfo::find("framework.display.StageQuality"), &info);
    EXPECT_EQ(runtime::Value(info.byIndex(2)).toText(), "StageQuality.HIGH");
}

TEST(EnumInfo, UnknownNamesAndIndicesRaiseTheRuntimeError) {
    const auto& info = runtime::EnumTraits<Quality>::info();
    struct Case {
        std::function<void()> call;
        const char* message;
    } cases[] = {
        {[&] { info.byIndex(4); }, "4 is not a valid enum constructor index"},
        {[&] { info.byIndex(-1); }, "-1 is not a valid enum constructor index"},
        {[&] { info.byName("best"); }, "No such constructor best"},
        {[&] { runtime::enumFromIndex<Quality>(9); }, "9 is not a valid enum constructor index"},
    };
    for (const Case& c : cases) EXPECT_EQ(thrownText(c.call), c.message);
}

TEST(EnumInfo, ValueTraitsRoundTrip) {
    runtime::Value v = runtime::ValueTraits<Quality>::to(Quality::BEST);
    EXPECT_TRUE(v.isObject());
    EXPECT_EQ(runtime::ValueTraits<Quality>::from(v), Quality::BEST);
    EXPECT_EQ(runtime::ValueTraits<Quality>::from(runtime::Value("MEDIUM")), Quality::MEDIUM);
}
