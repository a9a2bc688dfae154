#include "framework/errors/Error.h"

#include <gtest/gtest.h>

#include "framework/errors/ArgumentError.h"
#include "framework/errors/EOFError.h"
#include "framework/errors/RangeError.h"

using namespace framework;
using runtime::make;
using runtime::Ref;

TEST(Error, ValuesOfEachClass) {
    struct Case {
        Ref<Error> error;
        const char* message;
        int id;
        const char* name;
        const char* path;
    };
    const Case cases[] = {
        {make<Error>(), "", 0, "Error", "framework.errors.Error"},
        {make<Error>("bad", 5), "bad", 5, "Error", "framework.errors.Error"},
        {make<ArgumentError>("arg"), "arg", 0, "ArgumentError", "framework.errors.ArgumentError"},
        {make<RangeError>(nullptr), "", 0, "RangeError", "framework.errors.RangeError"},
        {make<EOFError>(), "End of file was encountered", 2030, "EOFError", "framework.errors.EOFError"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.error->message, runtime::String(c.message));
        EXPECT_EQ(c.error->errorID, c.id);
        EXPECT_EQ(c.error->name, runtime::String(c.name));
        EXPECT_EQ(c.error->toString(), c.message);
        EXPECT_EQ(c.error->classInfo()->name(), c.path);
        EXPECT_EQ(runtime::ClassInfo::find(c.path), c.error->classInfo());
    }
}

TEST(Error, NullMessageReadsAsError) {
    auto e = make<Error>("x");
    runtime::Value(e).setField("message", runtime::Value());
    EXPECT_EQ(e->toString(), "Error");
    EXPECT_EQ(runtime::Value(e).toText(), "Error");
}

TEST(Error, ThrownAsAValueWithItsStackTrace) {
    try {
        throw runtime::Thrown(runtime::Value(make<RangeError>("index 4")));
    } catch (const runtime::Thrown& t) {
        runtime::Thrown::Scope scope(std::current_exception());
        auto* e = t.value().as<RangeError>();
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(std::string(t.what()), "index 4");
        std::string trace = e->getStackTrace().str();
        if (!t.callStack().empty()) {
            EXPECT_EQ(trace.rfind("\nCalled from ", 0), 0u);
        }
    }
    EXPECT_EQ(make<Error>()->getStackTrace(), "");  // outside a handler
}
