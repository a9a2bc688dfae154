#include "BitmapFrontEnd.h"

#include "engine/util/loaders/TextureRegion.h"
#include "framework/assets/AssetCache.h"
#include "framework/assets/Assets.h"
#include "framework/assets/IAssetCache.h"
#include "framework/geom/Point.h"
#include "framework/geom/Rectangle.h"

namespace engine {

using framework::BitmapData;
using runtime::Ref;
using runtime::String;

struct BitmapFrontEnd::Source {
    Ref<CachedGraphics> cached;
    const runtime::ClassInfo* pictureClass = nullptr;
    Ref<BitmapData> bitmap;
    Ref<TextureRegion> region;
    String assetId;
};

std::vector<std::string> BitmapFrontEnd::keys() const {
    std::vector<std::string> out;
    for (const auto& [k, v] : _cache) out.push_back(k);
    return out;
}

Ref<CachedGraphics> BitmapFrontEnd::get_whitePixel() {
    if (!_whitePixel) {
        auto bitmap = runtime::make<BitmapData>(2, 2, true, static_cast<int>(0xFFFFFFFF));
        _whitePixel = runtime::make<CachedGraphics>("whitePixel", bitmap, true);
        _whitePixel->get_tilesheet()->tileSheet->addTileRectID(runtime::make<framework::Rectangle>(0, 0, 1, 1),
                                                               runtime::make<framework::Point>(0, 0));
    }
    return _whitePixel;
}

void BitmapFrontEnd::onContext() {
    for (const auto& k : keys())
        if (auto it = _cache.find(k); it != _cache.end() && it->second && it->second->isDumped) it->second->onContext();
}

void BitmapFrontEnd::dumpCache() {
    for (const auto& k : keys())
        if (auto it = _cache.find(k); it != _cache.end() && it->second && it->second->get_canBeDumped()) it->second->dump();
}

bool BitmapFrontEnd::checkCache(const String& key) {
    auto it = _cache.find(key.str());
    return !key.isNull() && it != _cache.end() && it->second;
}

Ref<CachedGraphics> BitmapFrontEnd::create(int width, int height, int color, bool unique, String key) {
    if (key.isNull()) {
        key = String(std::to_string(width) + "x" + std::to_string(height) + ":" + std::to_string(color));
        if (unique && checkCache(key)) key = getUniqueKey(key);
    }
    if (!checkCache(key))
        _cache[key.str()] = runtime::make<CachedGraphics>(key, runtime::make<BitmapData>(width, height, true, color), false);
    return _cache[key.str()];
}

Ref<CachedGraphics> BitmapFrontEnd::add(const runtime::Value& graphic, bool unique, const String& key) {
    return addWithSpaces(graphic, 0, 0, 1, 1, unique, key);
}

Ref<CachedGraphics> BitmapFrontEnd::addWithSpaces(const runtime::Value& graphic, int frameWidth, int frameHeight,
                                                  int spacingX, int spacingY, bool unique, const String& key) {
    Source source;
    if (auto* cached = graphic.as<CachedGraphics>()) source.cached = Ref<CachedGraphics>(cached);
    else if (auto* bitmap = graphic.as<BitmapData>()) source.bitmap = Ref<BitmapData>(bitmap);
    else if (auto* region = graphic.as<TextureRegion>()) source.region = Ref<TextureRegion>(region);
    else if (graphic.isString()) source.assetId = graphic.toStringValue();
    else return nullptr;
    return addSource(source, frameWidth, frameHeight, spacingX, spacingY, unique, key);
}

Ref<CachedGraphics> BitmapFrontEnd::addClass(const runtime::ClassInfo* pictureClass, int frameWidth, int frameHeight,
                                             int spacingX, int spacingY, bool unique, const String& key) {
    if (!pictureClass) return nullptr;
    Source source;
    source.pictureClass = pictureClass;
    return addSource(source, frameWidth, frameHeight, spacingX, spacingY, unique, key);
}

Ref<CachedGraphics> BitmapFrontEnd::addSource(const Source& source, int frameWidth, int frameHeight, int spacingX,
                                              int spacingY, bool unique, const String& givenKey) {
    bool framed = frameWidth > 0 || frameHeight > 0;
    if (source.cached && !unique && !framed) return source.cached;
    std::string suffix;
    if (framed)
        suffix = "FrameSize:" + std::to_string(frameWidth) + "_" + std::to_string(frameHeight) + "_Spacing:" +
                 std::to_string(spacingX) + "_" + std::to_string(spacingY);
    String key = givenKey;
    if (key.isNull()) {
        String base;
        if (source.pictureClass) base = String(source.pictureClass->name());
        else if (source.bitmap && !unique) {
            base = getCacheKeyFor(source.bitmap);
            if (base.isNull()) base = getUniqueKey();
        } else if (source.bitmap) base = "pixels";  // a unique bitmap: a fresh "pixels" key
        else if (source.region) base = source.region->data->key;
        else if (source.cached) base = source.cached->key;
        else base = source.assetId;
        key = String(base.str() + suffix);
        if (unique) key = getUniqueKey(key);
    }
    if (checkCache(key)) return _cache[key.str()];

    Ref<BitmapData> bitmap;
    if (source.pictureClass) {
        const runtime::Value args[] = {runtime::Value(0), runtime::Value(0)};
        bitmap = Ref<BitmapData>(dynamic_cast<BitmapData*>(source.pictureClass->create(args, 2).get()));
    } else if (source.bitmap) bitmap = source.bitmap;
    else if (source.region) bitmap = source.region->data->bitmap;
    else if (source.cached) bitmap = source.cached->bitmap;
    else bitmap = framework::Assets::getBitmapData(source.assetId, false);
    // A source that gives no bitmap (an unknown asset id, say) caches nothing.
    if (!bitmap) return nullptr;

    if (framed) {
        int width = bitmap->get_width(), height = bitmap->get_height();
        int columns = frameWidth == 0 ? 1 : width / frameWidth;
        int rows = frameHeight == 0 ? 1 : height / frameHeight;
        if (frameWidth == 0) frameWidth = width;
        if (frameHeight == 0) frameHeight = height;
        auto laidOut = runtime::make<BitmapData>(width + columns * spacingX, height + rows * spacingY, true, 0);
        laidOut->lock();
        for (int i = 0; i < columns; ++i)
            for (int j = 0; j < rows; ++j)
                laidOut->copyPixels(bitmap,
                                    runtime::make<framework::Rectangle>(i * frameWidth, j * frameHeight, frameWidth,
                                                                        frameHeight),
                                    runtime::make<framework::Point>(i * (frameWidth + spacingX), j * (frameHeight + spacingY)));
        laidOut->unlock();
        bitmap = laidOut;
    }
    if (unique) bitmap = bitmap->clone();
    auto graphic = runtime::make<CachedGraphics>(key, bitmap, false);
    if (!unique) {
        if (source.pictureClass) graphic->assetsClass = source.pictureClass;
        else if (!source.assetId.isNull()) graphic->assetsKey = source.assetId;
    }
    _cache[key.str()] = graphic;
    return graphic;
}

Ref<CachedGraphics> BitmapFrontEnd::get(const String& key) {
    auto it = _cache.find(key.str());
    return it == _cache.end() ? nullptr : it->second;
}

String BitmapFrontEnd::getCacheKeyFor(const Ref<BitmapData>& bitmap) {
    for (const auto& [k, g] : _cache)
        if (g && g->bitmap == bitmap) return String(k);
    return nullptr;
}

String BitmapFrontEnd::getUniqueKey(String base) {
    if (base.isNull()) base = "pixels";
    if (!checkCache(base)) return base;
    for (int n = 0;; ++n) {
        String candidate(base.str() + std::to_string(n));
        if (!checkCache(candidate)) return candidate;
    }
}

void BitmapFrontEnd::remove(const String& key) {
    if (key.isNull()) return;
    auto it = _cache.find(key.str());
    if (it == _cache.end()) return;
    Ref<CachedGraphics> graphic = it->second;
    removeFromFrameworkCache(key);
    _cache.erase(key.str());
    if (graphic) graphic->destroy();
}

void BitmapFrontEnd::removeFromFrameworkCache(const String& key) {
    if (auto* cache = dynamic_cast<framework::IAssetCache*>(framework::Assets::get_cache().get())) cache->removeBitmapData(key);
}

void BitmapFrontEnd::clearCache() {
    for (const auto& k : keys()) {
        auto it = _cache.find(k);
        if (it == _cache.end() || !it->second || it->second->persist) continue;
        Ref<CachedGraphics> graphic = it->second;
        removeFromFrameworkCache(String(k));
        _cache.erase(it);
        graphic->destroy();
    }
}

void BitmapFrontEnd::clearUnused() {
    for (const auto& k : keys()) {
        auto it = _cache.find(k);
        if (it == _cache.end() || !it->second) continue;
        Ref<CachedGraphics> g = it->second;
        if (g->useCount <= 0 && !g->persist && g->destroyOnNoUse) remove(g->key);
    }
}

}  // namespace engine
