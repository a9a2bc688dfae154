#include "AssetData.h"

using framework::AssetData;

RUNTIME_DEFINE_CLASS(AssetData, "framework._native.AssetData", runtime::Object, (auto& b) {
    b.template field<&AssetData::id>("id")
        .template field<&AssetData::path>("path")
        .template field<&AssetData::type>("type")
        .emptyInstance()
        .constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> {
            return runtime::make<AssetData>();
        });
})
