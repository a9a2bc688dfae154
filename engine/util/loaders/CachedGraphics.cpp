#include "CachedGraphics.h"

#include "engine/EngG.h"
#include "engine/system/frontEnds/BitmapFrontEnd.h"
#include "engine/util/loaders/TexturePackerData.h"
#include "engine/util/loaders/TextureRegion.h"
#include "framework/assets/Assets.h"

namespace engine {

using runtime::Ref;

Ref<TileSheetData> CachedGraphics::get_tilesheet() {
    if (!_tilesheet) {
        if (isDumped) onContext();
        _tilesheet = runtime::make<TileSheetData>(bitmap);
    }
    return _tilesheet;
}

void CachedGraphics::dump() {
    if (!get_canBeDumped() || !bitmap) return;
    bitmap->dumpBits();
    isDumped = true;
}

Ref<framework::BitmapData> CachedGraphics::getBitmapFromSystem() {
    if (assetsClass) {
        const runtime::Value args[] = {runtime::Value(0), runtime::Value(0)};
        return Ref<framework::BitmapData>(dynamic_cast<framework::BitmapData*>(assetsClass->create(args, 2).get()));
    }
    if (!assetsKey.isNull()) return framework::Assets::getBitmapData(assetsKey, false);
    return nullptr;
}

void CachedGraphics::undump() {
    if (!isDumped) return;
    if (Ref<framework::BitmapData> remade = getBitmapFromSystem()) {
        bitmap = remade;
        if (_tilesheet) _tilesheet->onContext(remade);
    }
    isDumped = false;
}

void CachedGraphics::onContext() {
    if (!isDumped) return;
    undump();
    dump();
}

Ref<runtime::Object> CachedGraphics::getRegionForFrame(const runtime::String& name) {
    auto region = runtime::make<TextureRegion>(Ref<CachedGraphics>(this));
    if (Ref<EngFrame> frame = get_tilesheet()->getFrame(name)) {
        region->region->startX = static_cast<int>(frame->frame->x);
        region->region->startY = static_cast<int>(frame->frame->y);
        region->region->width = static_cast<int>(frame->frame->width);
        region->region->height = static_cast<int>(frame->frame->height);
    }
    return region;
}

int CachedGraphics::set_useCount(int value) {
    if (value <= 0 && destroyOnNoUse && !persist && EngG::bitmap) {
        Ref<CachedGraphics> keep(this);
        EngG::bitmap->remove(key);
    }
    return useCount = value;
}

bool CachedGraphics::set_destroyOnNoUse(bool value) {
    if (value && useCount == 0 && !key.isNull() && !persist && EngG::bitmap) {
        Ref<CachedGraphics> keep(this);
        EngG::bitmap->remove(key);
    }
    return destroyOnNoUse = value;
}

void CachedGraphics::destroy() {
    if (bitmap) bitmap->dispose();
    bitmap = nullptr;
    if (data) data->destroy();
    data = nullptr;
    if (_tilesheet) _tilesheet->destroy();
    _tilesheet = nullptr;
    key = nullptr;
    assetsKey = nullptr;
    assetsClass = nullptr;
}

}  // namespace engine

using engine::CachedGraphics;

RUNTIME_DEFINE_CLASS(CachedGraphics, "engine.util.loaders.CachedGraphics", runtime::Object, (auto& b) {
    using T = CachedGraphics;
    b.template field<&T::key>("key")
        .template field<&T::bitmap>("bitmap")
        .template field<&T::assetsKey>("assetsKey")
        .template field<&T::persist>("persist")
        .template field<&T::isDumped>("isDumped")
        .template property<&T::get_useCount, &T::set_useCount>("useCount")
        .template property<&T::get_destroyOnNoUse, &T::set_destroyOnNoUse>("destroyOnNoUse")
        .template readOnlyProperty<&T::get_canBeDumped>("canBeDumped")
        .template method<&T::dump>("dump")
        .template method<&T::undump>("undump")
        .template method<&T::onContext>("onContext")
        .template method<&T::destroy>("destroy")
        .emptyInstance();
})
