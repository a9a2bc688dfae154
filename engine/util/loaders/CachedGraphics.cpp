#include "CachedGraphics.h"

#include "framework/assets/Assets.h"

namespace engine {

runtime::Ref<TileSheetData> CachedGraphics::get_tilesheet() {
    if (!tilesheet_) tilesheet_ = runtime::make<TileSheetData>(bitmap);
    return tilesheet_;
}

void CachedGraphics::dump() {
    if (!get_canBeDumped() || !bitmap) return;
    bitmap->dumpBits();
    isDumped = true;
}

void CachedGraphics::undump() {
    if (!isDumped) return;
    runtime::Ref<framework::BitmapData> remade;
    if (assetsClass) {
        const runtime::Value args[] = {runtime::Value(0), runtime::Value(0)};
        remade = runtime::Ref<framework::BitmapData>(dynamic_cast<framework::BitmapData*>(assetsClass->create(args, 2).get()));
    } else if (!assetsKey.isNull()) {
        remade = framework::Assets::getBitmapData(assetsKey, false);
    }
    if (remade) {
        bitmap = remade;
        if (tilesheet_) tilesheet_->tileSheet->bitmap_ = remade;
    }
    isDumped = false;
}

void CachedGraphics::onContext() {
    if (!isDumped) return;
    undump();
    dump();
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
