// libFuzzer entry for the map-file reader, over the recording fake back end.
#include "MapReaderFuzzTarget.h"
#include "platform/media/fake/FakeMediaModule.h"
#include "platform/runtime/DynamicObject.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    media::FakeMediaModule::install();
    auto& fake = media::FakeMediaModule::get();
    fake.on("media_native_bitmap_data_create", [](const std::vector<runtime::Value>& a) {
        auto s = runtime::make<runtime::DynamicObject>();
        s->setField("w", a[0]);
        s->setField("h", a[1]);
        return runtime::Value(s);
    });
    fake.on("media_native_bitmap_data_width", [](const std::vector<runtime::Value>& a) { return a[0].field("w"); });
    fake.on("media_native_bitmap_data_height", [](const std::vector<runtime::Value>& a) { return a[0].field("h"); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) { return fuzzMapReader(data, size); }
