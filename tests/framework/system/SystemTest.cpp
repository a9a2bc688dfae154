#include "framework/system/System.h"

#include <gtest/gtest.h>

#include "framework/system/PixelFormat.h"
#include "framework/system/ScreenMode.h"
#include "platform/media/fake/FakeMediaModule.h"
#include "platform/runtime/Array.h"

using framework::PixelFormat;
using framework::ScreenMode;
using framework::System;
using media::FakeMediaModule;
using runtime::Value;

namespace {

class SystemTest : public ::testing::Test {
protected:
    void SetUp() override { FakeMediaModule::get().reset(); }
    void TearDown() override { FakeMediaModule::get().reset(); }
};

TEST_F(SystemTest, DeviceIdIsAskedOnEveryRead) {
    auto& fake = FakeMediaModule::get();
    int n = 0;
    fake.on("media_native_get_unique_device_identifier",
            [&](const std::vector<Value>&) { return Value("device-" + std::to_string(++n)); });
    EXPECT_EQ(System::get_deviceID(), "device-1");
    EXPECT_EQ(System::get_deviceID(), "device-2");
    EXPECT_EQ(fake.count("media_native_get_unique_device_identifier"), 2);

    fake.returns("media_native_get_unique_device_identifier", Value());
    EXPECT_TRUE(System::get_deviceID().isNull());
    fake.returns("media_native_get_unique_device_identifier", Value(1234));
    EXPECT_EQ(System::get_deviceID(), "1234");
}

TEST_F(SystemTest, AnEmptyDeviceIdSlotFailsOnlyThatRead) {
    System::initClass();
    runtime::Primitive saved = System::media_get_unique_device_identifier;
    System::media_get_unique_device_identifier = nullptr;
    EXPECT_THROW(System::get_deviceID(), runtime::Thrown);
    EXPECT_GE(System::get_totalMemory(), 0);
    System::gc();
    System::media_get_unique_device_identifier = saved;
}

TEST_F(SystemTest, ExitClosesTheMainFrameWhateverTheCode) {
    System::exit(0);
    System::exit(3);
    auto closes = FakeMediaModule::get().callsTo("media_native_close");
    ASSERT_EQ(closes.size(), 2u);
    EXPECT_TRUE(closes[0].args.empty());
    EXPECT_TRUE(closes[1].args.empty());
}

TEST_F(SystemTest, TotalMemoryIsAPositiveByteCountAndFollowsAllocation) {
    int32_t before = System::get_totalMemory();
    EXPECT_GT(before, 0);
    // 64 MiB touched: resident memory grows by most of it.
    auto big = runtime::make<runtime::Array>();
    big->items.resize(64 * 1024 * 1024 / sizeof(Value), Value(1));
    EXPECT_GT(System::get_totalMemory(), before + 32 * 1024 * 1024);
    System::gc();
}

TEST_F(SystemTest, ByNamePropertiesReadTheGettersAndWritesLandInPlainStatics) {
    const runtime::ClassInfo* ci = runtime::ClassInfo::find("framework._native.system.System");
    ASSERT_NE(ci, nullptr);
    FakeMediaModule::get().returns("media_native_get_unique_device_identifier", Value("abc"));
    const runtime::Member* id = ci->findStatic("deviceID");
    ASSERT_NE(id, nullptr);
    EXPECT_EQ(id->read(nullptr, true).str(), "abc");
    id->write(nullptr, Value("written"), true);
    EXPECT_EQ(System::deviceID, "written");
    EXPECT_EQ(id->read(nullptr, true).str(), "abc");  // the getter still asks the back end
    EXPECT_EQ(id->read(nullptr, false).str(), "written");

    const runtime::Member* mem = ci->findStatic("totalMemory");
    mem->write(nullptr, Value(-5), true);
    EXPECT_EQ(System::totalMemory, -5);
    EXPECT_GT(mem->read(nullptr, true).toInt(), 0);
    System::deviceID = nullptr;
    System::totalMemory = 0;
}

TEST(ScreenMode, UnfilledFieldsReadMinusOneAndNullFormat) {
    auto mode = runtime::make<ScreenMode>();
    EXPECT_FALSE(mode->format.has_value());
    EXPECT_EQ(mode->width, -1);
    EXPECT_EQ(mode->height, -1);
    EXPECT_EQ(mode->refreshRate, -1);

    Value v(mode);
    EXPECT_TRUE(v.field("format").isNull());
    EXPECT_EQ(v.field("refreshRate").toInt(), -1);
    v.setField("format", Value("RGB565"));
    EXPECT_EQ(mode->format, PixelFormat::RGB565);
    EXPECT_EQ(v.field("format").toText(), "PixelFormat.RGB565");
    v.setField("format", Value());
    EXPECT_FALSE(mode->format.has_value());
    EXPECT_EQ(mode->staticClass().name(), "framework._native.system.ScreenMode");
}

TEST(PixelFormat, IndicesAndNames) {
    const runtime::EnumInfo& e = runtime::EnumTraits<PixelFormat>::info();
    EXPECT_EQ(&e, runtime::EnumInfo::find("framework._native.system.PixelFormat"));
    EXPECT_EQ(e.size(), 36);
    EXPECT_EQ(e.nameOf(0), "UNKNOWN");
    EXPECT_EQ(e.nameOf(18), "RGB565");
    EXPECT_EQ(e.nameOf(35), "YVYU");
    EXPECT_EQ(runtime::enumFromName<PixelFormat>("RGB888"), PixelFormat::RGB888);
    EXPECT_EQ(static_cast<int>(PixelFormat::RGB888), 22);
    EXPECT_EQ(e.byName("ARGB2101010")->index(), 30);
    EXPECT_EQ(e.byIndex(30), e.byIndex(30));  // one shared value
    EXPECT_EQ(runtime::enumText(PixelFormat::BGRA8888), "PixelFormat.BGRA8888");
    EXPECT_THROW(e.byIndex(36), runtime::Thrown);
    EXPECT_THROW(e.byName("RGBA"), runtime::Thrown);
}

}  // namespace
