#pragma once
// The engine's record of one cached bitmap: its key, where it came from (so that it can be
// rebuilt after its pixels were dumped), an optional atlas description, a use count that takes it
// out of the cache when nothing uses it, and its tile sheet data, made on first use.
#include "engine/system/layer/TileSheetData.h"
#include "engine/util/loaders/TexturePackerData.h"

namespace engine {


class CachedGraphics : public runtime::Object {
    RUNTIME_CLASS(CachedGraphics)
public:
    CachedGraphics(const runtime::String& key, const runtime::Ref<framework::BitmapData>& bitmap, bool persist = false)
        : key(key), bitmap(bitmap), persist(persist) {}
    explicit CachedGraphics(runtime::NoInit) {}

    // Drops the processor copy of the pixels of a graphic that can be rebuilt.
    virtual void dump();
    // Remakes the bitmap from its class or asset id; the tile sheet data moves onto it.
    virtual void undump();
    // After the rendering context came back: a dumped graphic is rebuilt and dumped again.
    virtual void onContext();
    // A region over the whole bitmap, narrowed to the named frame when the tile sheet data has it.
    virtual runtime::Ref<runtime::Object> getRegionForFrame(const runtime::String& name);
    // Disposes the bitmap; destroys the atlas description and the tile sheet data.
    virtual void destroy();
    virtual runtime::Ref<TileSheetData> get_tilesheet();
    virtual runtime::Ref<framework::BitmapData> getBitmapFromSystem();
    virtual bool get_canBeDumped() const { return assetsClass != nullptr || !assetsKey.isNull(); }
    // At 0 or less (not persistent, destroyed on no use) the bitmap cache removes this entry.
    virtual int set_useCount(int value);
    virtual bool set_destroyOnNoUse(bool value);

    int get_useCount() const { return useCount; }
    bool get_destroyOnNoUse() const { return destroyOnNoUse; }
    runtime::Ref<TileSheetData> get_tilesheet_() { return get_tilesheet(); }

    runtime::String key;
    runtime::Ref<framework::BitmapData> bitmap;
    runtime::String assetsKey;
    const runtime::ClassInfo* assetsClass = nullptr;
    runtime::Ref<TexturePackerData> data;
    bool persist = false;
    bool destroyOnNoUse = true;
    bool isDumped = false;
    int useCount = 0;
    runtime::Ref<TileSheetData> _tilesheet;
};

}  // namespace engine
