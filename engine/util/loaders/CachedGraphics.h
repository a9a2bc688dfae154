#pragma once
// The engine's record of one cached bitmap: its key, where it came from and its tile sheet, made
// on first use. Dumping the processor copy of the pixels is not built yet.
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
