#include "TestAssetLibrary.h"

#include "platform/runtime/Resources.h"

namespace testsupport {

using framework::AssetType;
using runtime::Ref;
using runtime::String;

TestAssetLibrary::TestAssetLibrary() {
    className["assets/test/quad.png"] = "TestQuadPicture";
    path["assets/test/quad.png"] = "assets/test/quad.png";
    type["assets/test/quad.png"] = AssetType::IMAGE;
    path["assets/test/hello.txt"] = "assets/test/hello.txt";
    type["assets/test/hello.txt"] = AssetType::TEXT;
    path["libraries/plain.json"] = "assets/test/libraries/plain.json";
    type["libraries/plain.json"] = AssetType::TEXT;
}

bool TestAssetLibrary::exists(const String& id, std::optional<AssetType> requested) {
    auto it = type.find(id.str());
    if (it == type.end()) return false;
    AssetType own = it->second;
    if (!requested || *requested == AssetType::BINARY || *requested == own) return true;
    bool sound = [](AssetType t) { return t == AssetType::SOUND || t == AssetType::MUSIC; }(own);
    if (sound && (*requested == AssetType::SOUND || *requested == AssetType::MUSIC)) return true;
    return own == AssetType::BINARY && *requested == AssetType::TEXT;
}

Ref<framework::BitmapData> TestAssetLibrary::getBitmapData(const String& id) {
    auto c = className.find(id.str());
    if (c != className.end()) {
        if (auto* ci = runtime::ClassInfo::find(c->second)) return ci->create(nullptr, 0).cast<framework::BitmapData>();
    }
    auto p = path.find(id.str());
    return framework::BitmapData::load(p == path.end() ? String() : String(p->second));
}

Ref<framework::ByteArray> TestAssetLibrary::getBytes(const String& id) {
    auto p = path.find(id.str());
    if (p == path.end()) return nullptr;
    bool found = false;
    auto data = runtime::Resources::data(p->second, &found);
    if (!found) return nullptr;
    auto bytes = runtime::make<framework::ByteArray>();
    for (uint8_t b : data) bytes->writeByte(b);
    bytes->position = 0;
    return bytes;
}

String TestAssetLibrary::getPath(const String& id) {
    auto p = path.find(id.str());
    return p == path.end() ? String() : String(p->second);
}

Ref<runtime::Array> TestAssetLibrary::list(std::optional<AssetType> requested) {
    auto out = runtime::make<runtime::Array>();
    for (auto& [id, t] : type)
        if (!requested || exists(id, requested)) out->push(runtime::Value(id));
    return out;
}

}  // namespace testsupport

using testsupport::TestAssetLibrary;
using testsupport::TestQuadPicture;

RUNTIME_DEFINE_CLASS(TestQuadPicture, "TestQuadPicture", framework::BitmapData, (auto& b) {
    b.emptyInstance().constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> {
        return runtime::make<TestQuadPicture>();
    });
})

RUNTIME_DEFINE_CLASS(TestAssetLibrary, "DefaultAssetLibrary", framework::AssetLibrary, (auto& b) {
    b.emptyInstance().constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> {
        return runtime::make<TestAssetLibrary>();
    });
})
