#include "CachedGraphics.h"

namespace engine {

runtime::Ref<TileSheetData> CachedGraphics::get_tilesheet() {
    if (!tilesheet_) tilesheet_ = runtime::make<TileSheetData>(bitmap);
    return tilesheet_;
}

void CachedGraphics::destroy() {
    if (bitmap) bitmap->dispose();
    bitmap = nullptr;
    tilesheet_ = nullptr;
    key = nullptr;
    assetsKey = nullptr;
    assetsClass = nullptr;
}

}  // namespace engine
