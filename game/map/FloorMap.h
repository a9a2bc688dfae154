#pragma once
// An overview picture of one floor: a block of mapScale pixels a tile (wall, floor, or a secret
// room's floor once revealed), a symbol for every object worth knowing that is not yet used, the
// floor's fog over it (one pixel a tile, stretched) and the owner's hero marker on top.
#include "framework/display/Bitmap.h"
#include "framework/display/BitmapData.h"
#include "framework/display/DisplayObject.h"
#include "game/floor/MapData.h"
#include "game/kit/BitmapSprite.h"

namespace game {

class FloorMap : public BitmapSprite {
    RUNTIME_CLASS(FloorMap)
public:
    static constexpr int WALL = static_cast<int>(0xFF222222);
    static constexpr int FLOOR = static_cast<int>(0xFF555555);
    static constexpr int HIDDEN_FLOOR = static_cast<int>(0xFF006699);

    FloorMap(int mapScale, const runtime::Ref<framework::BitmapData>& symbols,
             const runtime::Ref<framework::DisplayObject>& hero);
    explicit FloorMap(runtime::NoInit n) : BitmapSprite(n) {}

    // The symbol sheet's cell (column, row) for an object, or false when it has none.
    static bool symbolCell(TileObject& object, int& column, int& row);

    // A given floor replaces the one shown; then everything is repainted.
    virtual void drawMap(const runtime::Ref<MapData>& mapData = nullptr);
    // Recopies the floor's fog.
    virtual void updateFog();
    virtual void drawTile(int x, int y);
    // The marker one pixel up and left of the tile's corner.
    virtual void setHeroPos(int x, int y);

    runtime::Ref<MapData> mapData;
    runtime::Ref<framework::DisplayObject> hero;
    runtime::Ref<framework::BitmapData> mapBMD;
    runtime::Ref<framework::BitmapData> fogBMD;
    runtime::Ref<framework::BitmapData> symbols;
    int mapScale = 0;
};

}  // namespace game
