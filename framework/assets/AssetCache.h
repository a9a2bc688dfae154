#pragma once
// The registry's cache: three maps from full asset id to object. Entries are held strongly and
// may be null; "enabled" is only a flag the registry consults.
#include <map>
#include <string>

#include "IAssetCache.h"

namespace framework {

class AssetCache : public runtime::Object, public IAssetCache {
    RUNTIME_CLASS(AssetCache)
public:
    AssetCache() = default;
    explicit AssetCache(runtime::NoInit) {}

    void clear(const runtime::String& prefix = nullptr) override;
    runtime::Ref<BitmapData> getBitmapData(const runtime::String& id) override;
    runtime::Ref<Font> getFont(const runtime::String& id) override;
    runtime::Ref<Sound> getSound(const runtime::String& id) override;
    bool hasBitmapData(const runtime::String& id) override { return bitmapData.count(id.str()) != 0; }
    bool hasFont(const runtime::String& id) override { return font.count(id.str()) != 0; }
    bool hasSound(const runtime::String& id) override { return sound.count(id.str()) != 0; }
    bool removeBitmapData(const runtime::String& id) override { return bitmapData.erase(id.str()) != 0; }
    bool removeFont(const runtime::String& id) override { return font.erase(id.str()) != 0; }
    bool removeSound(const runtime::String& id) override { return sound.erase(id.str()) != 0; }
    void setBitmapData(const runtime::String& id, const runtime::Ref<BitmapData>& value) override {
        bitmapData[id.str()] = value;
    }
    void setFont(const runtime::String& id, const runtime::Ref<Font>& value) override {
        font[id.str()] = value;
    }
    void setSound(const runtime::String& id, const runtime::Ref<Sound>& value) override { sound[id.str()] = value; }

    virtual bool get_enabled() { return enabled_; }
    virtual bool set_enabled(bool value) {
        enabled_ = value;
        return value;
    }

    std::map<std::string, runtime::Ref<BitmapData>> bitmapData;
    std::map<std::string, runtime::Ref<Font>> font;
    std::map<std::string, runtime::Ref<Sound>> sound;
    bool enabled_ = true;
};

}  // namespace framework
