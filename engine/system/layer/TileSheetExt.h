#pragma once
// The engine's tile sheet: one tile id per distinct rectangle and centre, and the engine-wide
// count of tile draw calls.
#include <vector>

#include "framework/display/Tilesheet.h"

namespace engine {

class TileSheetExt : public framework::Tilesheet {
public:
    // Tile batches drawn since the game loop last set it to 0.
    static inline int _DRAWCALLS = 0;

    explicit TileSheetExt(const runtime::Ref<framework::BitmapData>& bitmap) : framework::Tilesheet(bitmap) {}

    // The id of the tile with this rectangle and centre, registered on first use.
    virtual int addTileRectID(const runtime::Ref<framework::Rectangle>& rect, const runtime::Ref<framework::Point>& point);

private:
    struct Entry {
        double x, y, width, height, centerX, centerY;
        int id;
    };
    std::vector<Entry> ids_;
};

}  // namespace engine
