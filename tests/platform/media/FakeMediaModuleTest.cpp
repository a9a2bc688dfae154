#include "platform/media/fake/FakeMediaModule.h"

#include <gtest/gtest.h>

#include "platform/media/MediaPrimitives.h"
#include "platform/system/ModuleLoader.h"

TEST(FakeMediaModule, AnswersEveryListedPrimitiveAndRecordsCalls) {
    for (const auto& e : media::MediaPrimitives::all())
        EXPECT_NE(media::FakeMediaModule::lookup(media::MediaPrimitives::symbol(e.name, e.argCount)), nullptr) << e.name;
    EXPECT_EQ(media::FakeMediaModule::lookup("media_native_close__3"), nullptr);

    media::FakeMediaModule::install();
    auto& fake = media::FakeMediaModule::get();
    fake.reset();
    fake.returns("media_native_time_stamp", runtime::Value(1.25));
    runtime::Primitive stamp(sys::ModuleLoader::find("./media-native", "media_native_time_stamp", 0));
    runtime::Primitive pkg(sys::ModuleLoader::find("media-native", "media_native_set_package", 4));
    EXPECT_EQ(stamp().toFloat(), 1.25);
    pkg("a", "b", "c", "d");
    ASSERT_EQ(fake.count("media_native_set_package"), 1);
    EXPECT_EQ(fake.callsTo("media_native_set_package")[0].args[3].toText(), "d");
    EXPECT_THROW(sys::ModuleLoader::find("./other", "x", 0), runtime::Thrown);
    sys::ModuleLoader::setResolver(nullptr);
}
