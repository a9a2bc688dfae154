#pragma once
// One entry of an asset manifest: id, file path and kind, all null until set.
#include "AssetType.h"
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class AssetData : public runtime::Object {
    RUNTIME_CLASS(AssetData)
public:
    AssetData() = default;
    explicit AssetData(runtime::NoInit) {}

    runtime::String id;
    runtime::String path;
    runtime::Value type;  // an AssetType value, or null
};

}  // namespace framework
