#include "TileSheetExt.h"

namespace engine {

int TileSheetExt::addTileRectID(const runtime::Ref<framework::Rectangle>& rect, const runtime::Ref<framework::Point>& point) {
    double cx = point ? point->x : 0, cy = point ? point->y : 0;
    for (const auto& e : ids_)
        if (e.x == rect->x && e.y == rect->y && e.width == rect->width && e.height == rect->height && e.centerX == cx &&
            e.centerY == cy)
            return e.id;
    int id = addTileRect(rect, point);
    ids_.push_back({rect->x, rect->y, rect->width, rect->height, cx, cy, id});
    return id;
}

}  // namespace engine
