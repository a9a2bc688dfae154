#pragma once
// One registration of a tile sheet: the rectangle, its centre (may be null) and the tile id.
#include "framework/geom/Point.h"
#include "framework/geom/Rectangle.h"

namespace engine {

class RectPointTileID : public runtime::Object {
public:
    RectPointTileID(int id, runtime::Ref<framework::Rectangle> rect, runtime::Ref<framework::Point> point)
        : rect(std::move(rect)), point(std::move(point)), id(id) {}

    virtual void destroy() {
        rect = nullptr;
        point = nullptr;
    }

    runtime::Ref<framework::Rectangle> rect;
    runtime::Ref<framework::Point> point;
    int id = 0;
};

}  // namespace engine
