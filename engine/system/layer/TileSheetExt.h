#pragma once
// The engine's tile sheet: each distinct rectangle-and-centre pair registered once, in an order
// kept so that the sheet can be rebuilt over a new bitmap with the same ids; and the engine-wide
// count of tile draw calls.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/system/layer/RectPointTileID.h"
#include "framework/display/Tilesheet.h"

namespace engine {

class TileSheetExt : public framework::Tilesheet {
public:
    using IdMap = std::map<std::string, runtime::Ref<RectPointTileID>>;

    // Tile batches drawn since the game loop last set it to 0.
    static inline int _DRAWCALLS = 0;
    // A Float as "%.15g" text.
    static std::string floatText(double value);

    explicit TileSheetExt(const runtime::Ref<framework::BitmapData>& bitmap);

    // "x_y_w_h_" and, with a point, "px_py" after it.
    virtual std::string getKey(const runtime::Ref<framework::Rectangle>& rect, const runtime::Ref<framework::Point>& point);
    // The id of the pair, registered on first use. The record keeps the objects themselves.
    virtual int addTileRectID(const runtime::Ref<framework::Rectangle>& rect,
                              const runtime::Ref<framework::Point>& point = nullptr);
    // Registers the old sheet's tiles in id order and takes over its records.
    virtual void rebuildFromOld(const runtime::Ref<TileSheetExt>& old);
    virtual void destroy();

    int numTiles = 0;
    std::shared_ptr<IdMap> tileIDs = std::make_shared<IdMap>();
    std::shared_ptr<std::vector<std::string>> tileOrder = std::make_shared<std::vector<std::string>>();
};

}  // namespace engine
