#include "TileSheetExt.h"

#include <cstdio>

namespace engine {

using runtime::Ref;

std::string TileSheetExt::floatText(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

TileSheetExt::TileSheetExt(const Ref<framework::BitmapData>& bitmap) : framework::Tilesheet(bitmap) {}

std::string TileSheetExt::getKey(const Ref<framework::Rectangle>& r, const Ref<framework::Point>& p) {
    std::string key = floatText(r->x) + "_" + floatText(r->y) + "_" + floatText(r->width) + "_" + floatText(r->height) + "_";
    if (p) key += floatText(p->x) + "_" + floatText(p->y);
    return key;
}

int TileSheetExt::addTileRectID(const Ref<framework::Rectangle>& rect, const Ref<framework::Point>& point) {
    std::string key = getKey(rect, point);
    if (auto it = tileIDs->find(key); it != tileIDs->end()) return it->second->id;
    addTileRect(rect, point);
    int id = numTiles++;
    if (static_cast<int>(tileOrder->size()) <= id) tileOrder->resize(static_cast<std::size_t>(id) + 1);
    (*tileOrder)[static_cast<std::size_t>(id)] = key;
    (*tileIDs)[key] = runtime::make<RectPointTileID>(id, rect, point);
    return id;
}

void TileSheetExt::rebuildFromOld(const Ref<TileSheetExt>& old) {
    for (const std::string& key : *old->tileOrder) {
        const Ref<RectPointTileID>& record = (*old->tileIDs)[key];
        addTileRect(record->rect, record->point);
    }
    tileIDs = old->tileIDs;
    tileOrder = old->tileOrder;
    numTiles = old->numTiles;
    old->tileIDs = nullptr;
    old->tileOrder = nullptr;
    old->destroy();
}

void TileSheetExt::destroy() {
    tileOrder = nullptr;
    if (tileIDs)
        for (auto& [key, record] : *tileIDs) record->destroy();
    tileIDs = nullptr;
}

}  // namespace engine
