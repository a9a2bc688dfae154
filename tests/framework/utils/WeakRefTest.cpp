#include "framework/utils/WeakRef.h"

#include <gtest/gtest.h>

#include "platform/media/fake/FakeMediaModule.h"
#include "platform/runtime/Array.h"

using framework::WeakRef;
using media::FakeMediaModule;
using runtime::make;
using runtime::Value;

class WeakRefTest : public ::testing::Test {
protected:
    void SetUp() override { FakeMediaModule::get().reset(); }
    void TearDown() override { FakeMediaModule::get().reset(); }
};

TEST_F(WeakRefTest, StrongReferenceNeverAsksTheBackEnd) {
    auto target = make<runtime::Array>();
    auto w = make<WeakRef>(Value(target), false);
    EXPECT_EQ(w->get().object(), target.get());
    EXPECT_EQ(w->toString(), "WeakRef(-1)");
    EXPECT_EQ(FakeMediaModule::get().calls().size(), 0u);
}

TEST_F(WeakRefTest, WeakReferenceIsKeptByTheBackEndUntilReleased) {
    auto& fake = FakeMediaModule::get();
    auto target = make<runtime::Array>();
    fake.returns("media_native_weak_ref_create", 7);
    Value answer(target);
    fake.on("media_native_weak_ref_get", [&](const std::vector<Value>& args) {
        EXPECT_EQ(args[0].toInt(), 7);
        return answer;
    });
    auto w = make<WeakRef>(Value(target));
    ASSERT_EQ(fake.count("media_native_weak_ref_create"), 1);
    EXPECT_EQ(fake.callsTo("media_native_weak_ref_create")[0].args[0].object(), w.get());
    EXPECT_EQ(w->weakRef, 7);
    EXPECT_EQ(w->get().object(), target.get());
    EXPECT_EQ(w->toString(), "null");

    answer = Value();  // released: asked once more, then never again
    EXPECT_TRUE(w->get().isNull());
    EXPECT_EQ(w->weakRef, -1);
    EXPECT_TRUE(w->get().isNull());
    EXPECT_EQ(fake.count("media_native_weak_ref_get"), 2);
    fake.reset();  // drops the recorded arguments that hold the WeakRef
}

TEST_F(WeakRefTest, NoHandleFromTheBackEndReadsAsZero) {
    auto w = make<WeakRef>(Value(1));
    EXPECT_EQ(w->weakRef, 0);
    FakeMediaModule::get().reset();
}
