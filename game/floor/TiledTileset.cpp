#include "TiledTileset.h"

#include "game/shell/C.h"

namespace game {

TiledTileset::TiledTileset(std::string name, int firstID, runtime::Ref<framework::BitmapData> image)
    : name(std::move(name)), bmd(std::move(image)), firstID(firstID) {
    if (bmd) numTilesInRow = bmd->get_width() / C::TILE_SIZE;
}

int TiledTileset::tileCount() const { return bmd ? numTilesInRow * (bmd->get_height() / C::TILE_SIZE) : 0; }

}  // namespace game
