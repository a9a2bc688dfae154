#include "AssetCache.h"

namespace framework {

namespace {
template <class M>
void removePrefixed(M& map, const std::string& prefix) {
    for (auto it = map.begin(); it != map.end();) {
        if (it->first.compare(0, prefix.size(), prefix) == 0 && it->first.size() >= prefix.size())
            it = map.erase(it);
        else
            ++it;
    }
}

template <class M>
auto entry(const M& map, const runtime::String& id) -> typename M::mapped_type {
    auto it = map.find(id.str());
    return it == map.end() ? nullptr : it->second;
}
}  // namespace

void AssetCache::clear(const runtime::String& prefix) {
    if (prefix.isNull()) {
        bitmapData = {};
        font = {};
        sound = {};
        return;
    }
    removePrefixed(bitmapData, prefix.str());
    removePrefixed(font, prefix.str());
    removePrefixed(sound, prefix.str());
}

runtime::Ref<BitmapData> AssetCache::getBitmapData(const runtime::String& id) { return entry(bitmapData, id); }
runtime::Ref<Font> AssetCache::getFont(const runtime::String& id) { return entry(font, id); }
runtime::Ref<Sound> AssetCache::getSound(const runtime::String& id) { return entry(sound, id); }

}  // namespace framework

using framework::AssetCache;

RUNTIME_DEFINE_CLASS(AssetCache, "framework._native.AssetCache", runtime::Object, (auto& b) {
    b.template property<&AssetCache::get_enabled, &AssetCache::set_enabled>("enabled")
        .template method<&AssetCache::clear>("clear")
        .template method<&AssetCache::getBitmapData>("getBitmapData")
        .template method<&AssetCache::getFont>("getFont")
        .template method<&AssetCache::getSound>("getSound")
        .template method<&AssetCache::hasBitmapData>("hasBitmapData")
        .template method<&AssetCache::hasFont>("hasFont")
        .template method<&AssetCache::hasSound>("hasSound")
        .template method<&AssetCache::removeBitmapData>("removeBitmapData")
        .template method<&AssetCache::removeFont>("removeFont")
        .template method<&AssetCache::removeSound>("removeSound")
        .template method<&AssetCache::setBitmapData>("setBitmapData")
        .template method<&AssetCache::setFont>("setFont")
        .template method<&AssetCache::setSound>("setSound")
        .emptyInstance()
        .constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> {
            return runtime::make<AssetCache>();
        });
})
