#include <gtest/gtest.h>

#include "framework/events/EventPhase.h"
#include "framework/geom/Point.h"
#include "framework/system/ApplicationDomain.h"
#include "framework/system/LoaderContext.h"
#include "framework/system/Security.h"

using namespace framework;
using runtime::make;

TEST(ApplicationDomain, ParentsAndDefinitions) {
    EXPECT_EQ(ApplicationDomain::currentDomain->parentDomain, nullptr);
    auto d = make<ApplicationDomain>();
    EXPECT_EQ(d->parentDomain, ApplicationDomain::currentDomain);
    auto child = make<ApplicationDomain>(d);
    EXPECT_EQ(child->parentDomain, d);

    struct Case {
        const char* path;
        const runtime::ClassInfo* found;
    };
    runtime::EnumTraits<EventPhase>::info();
    const Case cases[] = {
        {"framework._native.geom.Point", &Point::staticClass()},
        {"framework.events.EventPhase", nullptr},  // an enumeration
        {"framework.geom.Nowhere", nullptr},
        {"Point", nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(d->getDefinition(c.path), c.found) << c.path;
        EXPECT_EQ(d->hasDefinition(c.path), c.found != nullptr) << c.path;
    }
    EXPECT_EQ(d->getDefinition(nullptr), nullptr);
}

TEST(LoaderContext, Defaults) {
    auto c = make<LoaderContext>();
    EXPECT_TRUE(c->allowCodeImport);
    EXPECT_TRUE(c->allowLoadBytesCodeExecution);
    EXPECT_FALSE(c->checkPolicyFile);
    EXPECT_EQ(c->applicationDomain, nullptr);  // no substitution of the current domain
    EXPECT_EQ(c->securityDomain, nullptr);
    auto byName = runtime::ClassInfo::find("framework.system.LoaderContext")->create(nullptr, 0);
    const std::vector<std::string> fields = {"allowCodeImport", "allowLoadBytesCodeExecution", "applicationDomain",
                                             "checkPolicyFile", "securityDomain"};
    EXPECT_EQ(byName->fieldNames(), fields);
    EXPECT_TRUE(runtime::Value(byName).field("allowCodeImport").toBool());
}

TEST(Security, StaticsAreVariablesAndFunctionsDoNothing) {
    const runtime::ClassInfo& ci = Security::staticClass();
    EXPECT_TRUE(ci.findStatic("sandboxType")->read(nullptr, true).isNull());
    ci.findStatic("sandboxType")->write(nullptr, "remote", true);
    EXPECT_EQ(Security::sandboxType, "remote");
    Security::sandboxType = nullptr;
    auto allow = ci.findStatic("allowDomain")->read(nullptr, true);
    ASSERT_TRUE(allow.isFunction());
    EXPECT_TRUE((*allow.function())("a", "b", "c", "d", "e").isNull());
    EXPECT_NE(SecurityDomain::currentDomain, nullptr);
}
