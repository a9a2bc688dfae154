#include "Stairs.h"

#include "framework/geom/Rectangle.h"
#include "game/shell/C.h"

namespace game {

RUNTIME_DEFINE_CLASS(Stairs, "Stairs", TileObject, (auto& b) {})

Stairs::Stairs(Tile* tile) : TileObject(tile) {
    nonBlocking = false;
    walkable = true;
    objType = TYPE_STAIRS;
}

void Stairs::drawImage(const runtime::Ref<framework::BitmapData>& tileset) {
    auto picture = runtime::make<framework::BitmapData>(C::TILE_SIZE, C::TILE_SIZE, true, 0);
    set_bmd(picture);
    if (!tileset) return;
    picture->copyPixels(tileset, runtime::make<framework::Rectangle>(0, 7 * C::TILE_SIZE, C::TILE_SIZE, C::TILE_SIZE),
                        C::POINT_0, nullptr, nullptr, true);
}

}  // namespace game
