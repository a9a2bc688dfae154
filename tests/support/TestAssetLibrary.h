#pragma once
// The test programs' "default" asset library: a small manifest of the assets embedded in the
// test programs (the picture the build writes and the authored texts under
// tests/framework/assets/resources), answering as the game's manifest library does.
#include <map>
#include <string>

#include "framework/assets/AssetLibrary.h"

namespace testsupport {

// The embedded test picture: 8 x 8, quadrants red, green, blue and half-transparent white.
class TestQuadPicture : public framework::BitmapData {
    RUNTIME_CLASS(TestQuadPicture)
public:
    static constexpr const char* resourceName = "assets/test/quad.png";
    TestQuadPicture() : BitmapData(0, 0) { loadEmbedded_(resourceName); }
    explicit TestQuadPicture(runtime::NoInit n) : BitmapData(n) {}
};

class TestAssetLibrary : public framework::AssetLibrary {
    RUNTIME_CLASS(TestAssetLibrary)
public:
    TestAssetLibrary();
    explicit TestAssetLibrary(runtime::NoInit n) : AssetLibrary(n) {}

    bool exists(const runtime::String& id, std::optional<framework::AssetType> type) override;
    runtime::Ref<framework::BitmapData> getBitmapData(const runtime::String& id) override;
    runtime::Ref<framework::ByteArray> getBytes(const runtime::String& id) override;
    runtime::String getPath(const runtime::String& id) override;
    runtime::Ref<runtime::Array> list(std::optional<framework::AssetType> type) override;

    std::map<std::string, std::string> className;
    std::map<std::string, std::string> path;
    std::map<std::string, framework::AssetType> type;
};

}  // namespace testsupport
