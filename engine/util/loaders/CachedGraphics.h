#pragma once
// The engine's record of one cached bitmap: its key, where it came from (so that it can be
// rebuilt after its pixels were dumped) and its tile sheet, made on first use.
#include "engine/system/layer/TileSheetExt.h"

namespace engine {

class TileSheetData : public runtime::Object {
public:
    explicit TileSheetData(const runtime::Ref<framework::BitmapData>& bitmap)
        : tileSheet(runtime::make<TileSheetExt>(bitmap)) {}
    runtime::Ref<TileSheetExt> tileSheet;
};

class CachedGraphics : public runtime::Object {
public:
    CachedGraphics(const runtime::String& key, const runtime::Ref<framework::BitmapData>& bitmap, bool persist = false)
        : key(key), bitmap(bitmap), persist(persist) {}

    virtual runtime::Ref<TileSheetData> get_tilesheet();
    virtual bool get_canBeDumped() const { return assetsClass != nullptr || !assetsKey.isNull(); }
    // Drops the processor copy of the pixels of a graphic that can be rebuilt.
    virtual void dump();
    // Remakes the bitmap from its class or asset id.
    virtual void undump();
    // After the rendering context came back: a dumped graphic is rebuilt and dumped again.
    virtual void onContext();
    // Releases the bitmap and the tile sheet.
    virtual void destroy();

    runtime::String key;
    runtime::Ref<framework::BitmapData> bitmap;
    runtime::String assetsKey;
    const runtime::ClassInfo* assetsClass = nullptr;
    bool persist = false;
    bool destroyOnNoUse = true;
    bool isDumped = false;
    int useCount = 0;

private:
    runtime::Ref<TileSheetData> tilesheet_;
};

}  // namespace engine
