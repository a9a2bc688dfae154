#include "TileObject.h"

#include "Tile.h"
#include "game/shell/C.h"

namespace game {

RUNTIME_DEFINE_CLASS(TileObject, "TileObject", BitmapSprite, (auto& b) {})

TileObject::TileObject(Tile* tile, bool exists) : exists(exists), tile(tile) {
    if (tile) {
        set_x(tile->lev_x * C::TILE_SIZE);
        set_y(tile->lev_y * C::TILE_SIZE);
    }
}

void TileObject::activate() {
    if (oneTimeActivation) activated = true;
    if (activationFunction) activationFunction(*this);
}

}  // namespace game
